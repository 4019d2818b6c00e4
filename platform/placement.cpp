// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement.h"

#include "units.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace Placement {

QRect pixels(const QWidget &widget, const QRectF &twips)
{
    const TwipScale scale = TwipScale::of(widget);
    return QRect(scale.toPixels(twips.x()), scale.toPixels(twips.y()),
                 scale.toPixels(twips.width()), scale.toPixels(twips.height()));
}

void place(QWidget &control, const QRectF &twips)
{
    QRect area = pixels(control, twips);
    if (twips.width() <= 0) {
        control.adjustSize();
        control.move(area.topLeft());
        return;
    }
    if (auto *label = qobject_cast<QLabel *>(&control)) {
        if (!label->text().isEmpty()) {
            if (label->wordWrap())
                area.setHeight(std::max(area.height(), label->heightForWidth(area.width())));
            else
                area.setWidth(std::max(area.width(), label->sizeHint().width()));
        }
        area.setHeight(std::max(area.height(), label->fontMetrics().height()));
    }
    control.setGeometry(area);
}

void placeForText(QLabel &label, const QPointF &twips, const QString &longestText)
{
    const QPoint at = pixels(label, QRectF(twips, QSizeF())).topLeft();
    const QFontMetrics metrics(label.font());
    // An italic or a brush face reaches past its advance: the whole drawn text must fit.
    const int drawn =
        metrics.boundingRect(QRect(), Qt::AlignLeft | Qt::TextSingleLine, longestText).width();
    const int width = std::max(metrics.horizontalAdvance(longestText), drawn) + 2;
    label.setGeometry(QRect(at, QSize(width, metrics.height())));
}

} // namespace Placement
