// SPDX-License-Identifier: GPL-3.0-or-later
#include "surfaceview.h"

#include "textsurface.h"
#include "units.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

SurfaceView::SurfaceView(TextSurface &surface, QWidget *parent)
    : Backdrop(parent), m_surface(surface)
{
    connect(&m_surface, &TextSurface::changed, this, &SurfaceView::repaintArea);
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBackdrop(painter, event->rect());
    painter.setRenderHint(QPainter::TextAntialiasing);
    m_surface.render(painter);
}

void SurfaceView::repaintArea(const QRectF &twips)
{
    announceWrittenText();
    if (twips.isEmpty()) {
        update();
        return;
    }
    const TwipScale scale = TwipScale::of(*this);
    const QRectF pixels(scale.toPixelsF(twips.x()), scale.toPixelsF(twips.y()),
                        scale.toPixelsF(twips.width()), scale.toPixelsF(twips.height()));
    // A glyph may reach a little past its advance (italics, overhangs).
    update(pixels.toAlignedRect().adjusted(-4, -2, 4, 2));
}

void SurfaceView::announceWrittenText()
{
    if (!QAccessible::isActive())
        return;
    const QString written = m_surface.writtenText();
    if (written == m_announced)
        return;
    // A typewriter adds a character at a time: tell only what was added.
    if (written.startsWith(m_announced)) {
        QAccessibleTextInsertEvent added(this, int(m_announced.size()),
                                         written.mid(m_announced.size()));
        QAccessible::updateAccessibility(&added);
    } else {
        QAccessibleTextUpdateEvent replaced(this, 0, m_announced, written);
        QAccessible::updateAccessibility(&replaced);
    }
    m_announced = written;
}
