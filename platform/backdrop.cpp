// SPDX-License-Identifier: GPL-3.0-or-later
#include "backdrop.h"

#include "pictures.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

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

QRect Backdrop::pictureArea() const
{
    return m_pictureArea.isEmpty() ? rect() : m_pictureArea;
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
    painter.fillRect(area, m_color);
    if (m_picturePath.isEmpty())
        return;
    if (m_picture.isNull())
        m_picture = composedPicture();
    if (!m_picture.isNull())
        painter.drawPixmap(area, m_picture, QRectF(area.topLeft() * m_picture.devicePixelRatio(),
                                                   area.size() * m_picture.devicePixelRatio()));
}

/// The whole backdrop's picture, made once per size: the picture over its area, its edges
/// around it.
QPixmap Backdrop::composedPicture()
{
    const QRect inner = pictureArea();
    const QPixmap picture = Pictures::render(m_picturePath, inner.size(), devicePixelRatioF());
    if (picture.isNull() || inner == rect())
        return picture;
    QPixmap whole(size() * devicePixelRatioF());
    whole.setDevicePixelRatio(devicePixelRatioF());
    whole.fill(m_color);
    QPainter painter(&whole);
    painter.drawPixmap(inner, picture);
    paintSurround(painter, inner, picture.toImage());
    return whole;
}

/// Fills the backdrop around the picture with the picture's own edges, mirrored as in a
/// looking-glass standing at each edge, so the scene carries on without a seam.
void Backdrop::paintSurround(QPainter &painter, const QRect &inner, const QImage &picture)
{
    const QRect whole = rect();
    const double ratio = picture.devicePixelRatio();
    const int lefts[] = {whole.left(), inner.left(), inner.right() + 1};
    const int widths[] = {inner.left() - whole.left(), inner.width(), whole.right() - inner.right()};
    const int tops[] = {whole.top(), inner.top(), inner.bottom() + 1};
    const int heights[] = {inner.top() - whole.top(), inner.height(),
                           whole.bottom() - inner.bottom()};
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            if ((column == 1 && row == 1) || widths[column] <= 0 || heights[row] <= 0)
                continue;
            // The strip of the picture next to this band, as wide as the band (or the picture).
            const int w = std::min(picture.width(), qRound(widths[column] * ratio));
            const int h = std::min(picture.height(), qRound(heights[row] * ratio));
            const int x = column == 2 ? picture.width() - w : 0;
            const int y = row == 2 ? picture.height() - h : 0;
            const QImage strip = picture.copy(column == 1 ? 0 : x, row == 1 ? 0 : y,
                                              column == 1 ? picture.width() : w,
                                              row == 1 ? picture.height() : h)
                                     .mirrored(column != 1, row != 1);
            painter.drawImage(QRect(lefts[column], tops[row], widths[column], heights[row]), strip);
        }
    }
}
