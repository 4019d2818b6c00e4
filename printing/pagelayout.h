// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paperpage.h"
#include "printsettings.h"

#include <QRectF>
#include <QSizeF>

/// The measures of a page at a scale, in twips from the page's top-left corner. The page, the
/// guides and the fonts grow with the scale; the margins do not.
struct PageLayout {
    double width = 0;     ///< W
    double height = 0;    ///< H
    double left = 0;      ///< L: where every line starts
    double right = 0;     ///< R: a character that would start here or further goes to a new line
    double bottom = 0;    ///< B: a line that would start here or lower goes to the next page
    double top = 0;       ///< the title's y on page 1, and the first line's y on later pages
    double titleSize = 0; ///< points
    double bodySize = 0;  ///< points
};
PageLayout LayoutOfPage(int scale, const PageSettings &settings);

/// Where a guide lies on a page of the given size.
QRectF GuideArea(Guide guide, const QSizeF &page);

/// Gives a page of the document its size and places its guides, shown or hidden.
void StartPage(PaperPage &page, const PageLayout &layout, bool showGuides);
