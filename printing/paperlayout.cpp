// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperlayout.h"

#include "pageflow.h"
#include "paperdocument.h"

using namespace Qt::Literals::StringLiterals;

namespace {

void printTitle(TextSurface &surface, const PageLayout &layout, const PageSettings &settings)
{
    surface.setFontSize(layout.titleSize);
    surface.setFontName(settings.fontName);
    // The title is placed by its size alone: T × 100 twips is half the width of ten
    // full-width characters of T points.
    const double titleSize = surface.fontSize();
    surface.setCurrentX(layout.width / 2 - titleSize * 100);
    surface.setCurrentY(layout.top);
    surface.print(PaperTitle(), true);
    surface.newLine();
}

} // namespace

QString PaperTitle()
{
    return u"Orvik测试题"_s;
}

bool DrawPaperPage(PaperDocument &document, const QString &paperText, const PageSettings &settings,
                   int scale, bool showGuides)
{
    const PageLayout layout = LayoutOfPage(scale, settings);
    while (document.pageCount() > 1)
        document.removeLastPage();
    PaperPage &first = document.page(0);
    TextSurface &surface = first.text();
    StartPage(first, layout, showGuides);
    printTitle(surface, layout, settings);
    surface.setFontName(settings.fontName);
    surface.setFontSize(layout.bodySize);
    PageFlow flow(document, layout, settings.fontName, showGuides);
    flow.flow(paperText, FlowRules::paper());
    return flow.finish();
}
