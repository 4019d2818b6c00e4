// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>

/// Pictures are product artwork that may be missing: every function here answers a missing or
/// broken picture with an empty result, and the caller shows a plain colour instead.
namespace Pictures {

/// True when the picture at path (a file or a ":/art/…" resource) can be drawn.
bool exists(const QString &path);

/// The picture rendered to exactly size pixels; a null pixmap when it cannot be drawn. On a
/// screen of more device pixels than logical ones (devicePixelRatio), it is drawn at the device's
/// pixels, so it stays sharp. Given a back colour, the picture is laid on it and comes opaque;
/// without one (an invalid colour) it keeps its own see-through parts.
QPixmap render(const QString &path, const QSize &size, double devicePixelRatio = 1.0,
               const QColor &back = {});

/// The picture drawn so that its own frame fills frame, a rectangle of an area of the given
/// size, and what the picture holds beyond its frame fills the rest of the area (a scene that
/// carries on). Only drawings (SVG) can; for any other picture, a null pixmap.
QPixmap renderBeyondFrame(const QString &path, const QSize &area, const QRect &frame,
                          double devicePixelRatio = 1.0, const QColor &back = {});

/// The same two as images, at the device's pixels: these may be drawn on any thread.
QImage renderImage(const QString &path, const QSize &size, double devicePixelRatio = 1.0,
                   const QColor &back = {});
QImage renderImageBeyondFrame(const QString &path, const QSize &area, const QRect &frame,
                              double devicePixelRatio = 1.0, const QColor &back = {});

/// A picture drawn on another thread, shown at the device's pixels.
QPixmap toPixmap(QImage image, double devicePixelRatio);

/// A mouse cursor made from a picture of 32 × 32 pixels with the given hot spot, both at the
/// given scale, or the fallback shape when the picture cannot be drawn.
QCursor cursor(const QString &path, const QPoint &hotSpot, Qt::CursorShape fallback,
               double scale = 1.0);

/// The hand cursor the program's buttons and choice labels show, at the given scale.
QCursor handCursor(double scale = 1.0);

} // namespace Pictures

class QWidget;

/// A picture shown in a label, drawn afresh at the label's size whenever that changes, so it
/// stays sharp at every scale of its window.
class PictureLabel : public QLabel {
public:
    PictureLabel(const QString &name, const QString &picture, QWidget *parent = nullptr);
    QString picture() const { return m_picture; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_picture;
};

/// Gives a control the program's hand cursor, at the scale of the control's window; a window
/// scaled anew gives it the cursor at its new scale.
void SetHandCursor(QWidget &control);
/// Gives every control in root that shows the hand cursor the cursor at its current scale.
void RescaleHandCursors(QWidget &root);
