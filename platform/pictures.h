// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>

/// Pictures are product artwork that may be missing: every function here answers a missing or
/// broken picture with an empty result, and the caller shows a plain colour instead.
namespace Pictures {

/// True when the picture at path (a file or a ":/art/…" resource) can be drawn.
bool exists(const QString &path);

/// The picture rendered to exactly size pixels; a null pixmap when it cannot be drawn.
QPixmap render(const QString &path, const QSize &size);

/// A mouse cursor made from a picture of 32 × 32 pixels with the given hot spot, or the
/// fallback shape when the picture cannot be drawn.
QCursor cursor(const QString &path, const QPoint &hotSpot, Qt::CursorShape fallback);

/// The hand cursor the program's buttons and choice labels show.
QCursor handCursor();

} // namespace Pictures
