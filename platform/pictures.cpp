// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "designscreen.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QResizeEvent>
#include <QSvgRenderer>

#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isSvg(const QString &path)
{
    return path.endsWith(u".svg"_s, Qt::CaseInsensitive);
}

double positiveRatio(double devicePixelRatio)
{
    return devicePixelRatio > 0 ? devicePixelRatio : 1.0;
}

/// Drawn straight on the back colour, a drawing needs no see-through image of its own, nor a
/// second pass to lay that on the colour: for a window's background that is two full-screen
/// images fewer.
QImage drawn(QSvgRenderer &renderer, const QSize &pixels, const QColor &back)
{
    QImage image(pixels,
                 back.isValid() ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(back.isValid() ? back : QColor(Qt::transparent));
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

/// The picture laid on the back colour, opaque; the picture itself without one.
QImage onBackColor(QImage picture, const QColor &back)
{
    if (picture.isNull() || !back.isValid())
        return picture;
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.setDevicePixelRatio(picture.devicePixelRatio());
    opaque.fill(back);
    QPainter painter(&opaque);
    painter.drawImage(QPointF(0, 0), picture);
    return opaque;
}

} // namespace

namespace Pictures {

bool exists(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    if (isSvg(path))
        return QSvgRenderer(path).isValid();
    return !QImage(path).isNull();
}

QImage renderImage(const QString &path, const QSize &size, double devicePixelRatio,
                   const QColor &back)
{
    if (size.isEmpty() || path.isEmpty() || !QFileInfo::exists(path))
        return {};
    const QSize pixels = (QSizeF(size) * positiveRatio(devicePixelRatio)).toSize();
    if (!isSvg(path)) {
        const QImage image(path);
        return image.isNull() ? image
                              : onBackColor(image.scaled(pixels, Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation),
                                            back);
    }
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    return drawn(renderer, pixels, back);
}

QPixmap render(const QString &path, const QSize &size, double devicePixelRatio, const QColor &back)
{
    return toPixmap(renderImage(path, size, devicePixelRatio, back), devicePixelRatio);
}

QPixmap toPixmap(QImage image, double devicePixelRatio)
{
    if (image.isNull())
        return {};
    QPixmap picture = QPixmap::fromImage(std::move(image));
    picture.setDevicePixelRatio(positiveRatio(devicePixelRatio));
    return picture;
}

QImage renderImageBeyondFrame(const QString &path, const QSize &area, const QRect &frame,
                              double devicePixelRatio, const QColor &back)
{
    if (area.isEmpty() || frame.isEmpty() || !isSvg(path) || !QFileInfo::exists(path))
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const QRectF box = renderer.viewBoxF();
    const double xScale = frame.width() / box.width();
    const double yScale = frame.height() / box.height();
    renderer.setViewBox(QRectF(box.x() - frame.x() / xScale, box.y() - frame.y() / yScale,
                               area.width() / xScale, area.height() / yScale));
    return drawn(renderer, (QSizeF(area) * positiveRatio(devicePixelRatio)).toSize(), back);
}

QPixmap renderBeyondFrame(const QString &path, const QSize &area, const QRect &frame,
                          double devicePixelRatio, const QColor &back)
{
    return toPixmap(renderImageBeyondFrame(path, area, frame, devicePixelRatio, back),
                    devicePixelRatio);
}

QCursor cursor(const QString &path, const QPoint &hotSpot, Qt::CursorShape fallback, double scale)
{
    const int side = std::max(8, qRound(32 * scale));
    const QPixmap picture = render(path, QSize(side, side));
    if (picture.isNull())
        return QCursor(fallback);
    return QCursor(picture, qRound(hotSpot.x() * scale), qRound(hotSpot.y() * scale));
}

QCursor handCursor(double scale)
{
    // Every choice label and button shows it: it is drawn once per scale, not once per
    // control. Kept for the whole run, as the labels keep it.
    static auto *const drawn = new std::pair<double, QCursor>(0.0, QCursor());
    if (drawn->first != scale) {
        // The fingertip of the drawn hand.
        drawn->second =
            cursor(u":/art/hand-cursor.svg"_s, QPoint(10, 2), Qt::PointingHandCursor, scale);
        drawn->first = scale;
    }
    return drawn->second;
}

} // namespace Pictures

PictureLabel::PictureLabel(const QString &name, const QString &picture, QWidget *parent)
    : QLabel(parent), m_picture(picture)
{
    setObjectName(name);
}

void PictureLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    setPixmap(Pictures::render(m_picture, size(), devicePixelRatioF()));
}

namespace {

const char *const HandCursorProperty = "lumaroHandCursor";

} // namespace

void SetHandCursor(QWidget &control)
{
    control.setProperty(HandCursorProperty, true);
    control.setCursor(Pictures::handCursor(DesignScreen::scaleOf(control)));
}

void RescaleHandCursors(QWidget &root)
{
    const QList<QWidget *> inside = root.findChildren<QWidget *>();
    for (QWidget *control : inside) {
        if (control->property(HandCursorProperty).toBool())
            SetHandCursor(*control);
    }
}
