// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperpage.h"

#include "units.h"

#include <QPainter>

PaperPage::PaperPage(QObject *parent) : QObject(parent) {}

void PaperPage::setSize(const QSizeF &twips)
{
    if (twips == m_size)
        return;
    m_size = twips;
    Q_EMIT sizeChanged(twips);
}

void PaperPage::placeGuide(Guide guide, const QRectF &twips, bool shown)
{
    GuideLine &line = m_guides[size_t(guide)];
    const GuideLine placed{twips, shown};
    if (line == placed)
        return;
    line = placed;
    Q_EMIT guidesChanged();
}

const GuideLine &PaperPage::guide(Guide guide) const
{
    return m_guides[size_t(guide)];
}

void RenderPaperPage(QPainter &painter, const PaperPage &page)
{
    page.text().render(painter);
    const TwipScale scale = TwipScale::of(*painter.device());
    for (const GuideLine &line : {page.guide(Guide::Top), page.guide(Guide::Left),
                                  page.guide(Guide::Right), page.guide(Guide::Bottom)}) {
        if (!line.shown)
            continue;
        const QRectF area(scale.toPixelsF(line.area.x()), scale.toPixelsF(line.area.y()),
                          scale.toPixelsF(line.area.width()), scale.toPixelsF(line.area.height()));
        painter.fillRect(area, Qt::black);
    }
}
