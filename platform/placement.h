// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRectF>

class QLabel;
class QString;
class QWidget;

/// Placing controls in twips of their window's design, at the scale the window is drawn at.
/// Every window places its controls through these, so none converts units on its own.
namespace Placement {

/// A rectangle in twips as pixels of the widget's design, at its scale.
QRect pixels(const QWidget &widget, const QRectF &twips);

/// Places a control at a rectangle in twips. A width of 0 or less gives the control the size
/// its content needs. A label never cuts its caption off: a wrapping label grows taller to hold
/// it, any other wider, and every label is at least a line high.
void place(QWidget &control, const QRectF &twips);

/// Places a label at its natural height, wide enough for the longest text it will show.
void placeForText(QLabel &label, const QPointF &twips, const QString &longestText);

} // namespace Placement
