// SPDX-License-Identifier: GPL-3.0-or-later
#include "programstyle.h"

#include <QIconEngine>
#include <QPainter>

namespace {

/// "»" (or its downward turn), drawn in the text colour at whatever size is asked.
class ExtensionArrowEngine final : public QIconEngine {
public:
    explicit ExtensionArrowEngine(bool horizontal) : m_horizontal(horizontal) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const QColor color = mode == QIcon::Disabled ? Qt::gray : Qt::black;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(color, qMax(1.0, rect.height() / 10.0)));
        const QRectF box = QRectF(rect).adjusted(rect.width() * 0.25, rect.height() * 0.25,
                                                 -rect.width() * 0.25, -rect.height() * 0.25);
        for (const double shift : {0.0, 0.5}) {
            QPolygonF chevron;
            if (m_horizontal) {
                const double x = box.left() + shift * box.width();
                chevron << QPointF(x, box.top()) << QPointF(x + box.width() / 2, box.center().y())
                        << QPointF(x, box.bottom());
            } else {
                const double y = box.top() + shift * box.height();
                chevron << QPointF(box.left(), y) << QPointF(box.center().x(), y + box.height() / 2)
                        << QPointF(box.right(), y);
            }
            painter->drawPolyline(chevron);
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new ExtensionArrowEngine(m_horizontal); }

private:
    bool m_horizontal;
};

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new ExtensionArrowEngine(true));
    if (standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new ExtensionArrowEngine(false));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
