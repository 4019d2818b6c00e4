// SPDX-License-Identifier: GPL-3.0-or-later
#include "backdrop.h"

#include "pictures.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

bool CoversOpaquely(const QPixmap &picture, const QRect &area)
{
    return !picture.isNull() && !picture.hasAlphaChannel() &&
           QRectF(QPointF(), picture.deviceIndependentSize()).contains(area);
}

} // namespace

Backdrop::Backdrop(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Backdrop::setBackColor(const QColor &color)
{
    m_color = color;
    update();
}

void Backdrop::setPicture(const QString &path)
{
    m_picturePath = path;
    m_picture = QPixmap();
    update();
}

bool Backdrop::showsPicture() const
{
    return !m_picturePath.isEmpty() && Pictures::exists(m_picturePath);
}

void Backdrop::setPictureArea(const QRect &area)
{
    if (area == m_pictureArea)
        return;
    m_pictureArea = area;
    m_picture = QPixmap();
    update();
}

Backdrop::Sizing Backdrop::sizing() const
{
    return Sizing{m_picturePath, size(), m_pictureArea.isEmpty() ? rect() : m_pictureArea,
                  devicePixelRatioF()};
}

void Backdrop::renderAhead()
{
    const Sizing wanted = sizing();
    if (isVisible() || m_ahead.valid() || wanted.path.isEmpty() || wanted.size.isEmpty())
        return;
    m_aheadSizing = wanted;
    m_aheadColor = m_color;
    m_ahead = std::async(std::launch::async, [wanted, back = m_color] {
        return wanted.area == QRect(QPoint(), wanted.size)
                   ? Pictures::renderImage(wanted.path, wanted.size, wanted.devicePixelRatio, back)
                   : Pictures::renderImageBeyondFrame(wanted.path, wanted.size, wanted.area,
                                                      wanted.devicePixelRatio, back);
    });
}

/// The picture drawn ahead, when it was drawn for this sizing; null otherwise.
QPixmap Backdrop::pictureDrawnAhead(const Sizing &wanted)
{
    if (!m_ahead.valid())
        return {};
    // Taken even when the size changed since, so no drawing is left running.
    QImage image = m_ahead.get();
    if (m_aheadSizing != wanted || m_aheadColor != m_color)
        return {};
    return Pictures::toPixmap(std::move(image), wanted.devicePixelRatio);
}

void Backdrop::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBackdrop(painter, event->rect());
}

void Backdrop::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_picture = QPixmap();
}

void Backdrop::paintBackdrop(QPainter &painter, const QRect &area)
{
    if (!m_picturePath.isEmpty()) {
        const Sizing wanted = sizing();
        if (m_picture.isNull() || m_pictureSizing != wanted) {
            m_picture = composedPicture(wanted);
            m_pictureSizing = wanted;
        }
    }
    // Under an opaque picture that covers the area the back colour would never be seen.
    if (!CoversOpaquely(m_picture, area))
        painter.fillRect(area, m_color);
    if (!m_picture.isNull())
        painter.drawPixmap(area, m_picture,
                           QRectF(area.topLeft() * m_picture.devicePixelRatio(),
                                  area.size() * m_picture.devicePixelRatio()));
}

/// The whole backdrop's picture, made once per size: the picture over its area, and a drawing's
/// scene carried on around it.
QPixmap Backdrop::composedPicture(const Sizing &wanted)
{
    if (QPixmap ahead = pictureDrawnAhead(wanted); !ahead.isNull())
        return ahead;
    const QRect inner = wanted.area;
    // Laid on the back colour, the picture comes opaque, and the paint leaves out the colour.
    if (inner == rect())
        return Pictures::render(m_picturePath, size(), devicePixelRatioF(), m_color);
    QPixmap whole =
        Pictures::renderBeyondFrame(m_picturePath, size(), inner, devicePixelRatioF(), m_color);
    if (!whole.isNull())
        return whole;
    // A picture that cannot carry on stands in its area on the back colour.
    const QPixmap picture = Pictures::render(m_picturePath, inner.size(), devicePixelRatioF());
    if (picture.isNull())
        return picture;
    whole = QPixmap(size() * devicePixelRatioF());
    whole.setDevicePixelRatio(devicePixelRatioF());
    whole.fill(m_color);
    QPainter painter(&whole);
    painter.drawPixmap(inner, picture);
    return whole;
}
