// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isSvg(const QString &path)
{
    return path.endsWith(u".svg"_s, Qt::CaseInsensitive);
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

QPixmap render(const QString &path, const QSize &size)
{
    if (size.isEmpty() || path.isEmpty() || !QFileInfo::exists(path))
        return {};
    if (!isSvg(path)) {
        const QImage image(path);
        if (image.isNull())
            return {};
        return QPixmap::fromImage(
            image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QCursor cursor(const QString &path, const QPoint &hotSpot, Qt::CursorShape fallback)
{
    const QPixmap picture = render(path, QSize(32, 32));
    if (picture.isNull())
        return QCursor(fallback);
    return QCursor(picture, hotSpot.x(), hotSpot.y());
}

QCursor handCursor()
{
    // The fingertip of the drawn hand.
    return cursor(u":/art/hand-cursor.svg"_s, QPoint(10, 2), Qt::PointingHandCursor);
}

} // namespace Pictures
