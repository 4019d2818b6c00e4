// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paperpage.h"
#include "printsettings.h"

#include <QString>

/// The page scales the preview offers, in percent.
inline constexpr int PageScales[] = {80, 100, 120, 130, 140};
inline constexpr int DefaultPageScale = 100;

/// The title above every test paper.
QString PaperTitle();

/// The measures of a page at a scale, in twips from the page's top-left corner. The page, the
/// guides and the fonts grow with the scale; the margins do not.
struct PageLayout {
    double width = 0;     ///< W
    double height = 0;    ///< H
    double left = 0;      ///< L: where every line starts
    double right = 0;     ///< R: a character that would start here or further goes to a new line
    double bottom = 0;    ///< B: nothing is drawn on a line that starts here or lower
    double titleSize = 0; ///< points
    double bodySize = 0;  ///< points
};
PageLayout LayoutOfPage(int scale, const PageSettings &settings);

/// Where a guide lies on a page of the given size.
QRectF GuideArea(Guide guide, const QSizeF &page);

/// Lays a test paper out on the page at a scale (in percent): the centred title, the guides
/// (shown or hidden) and the paper text flowed character by character between the margins.
/// Line breaks in the text draw nothing; a question mark ends its line and leaves three empty
/// lines for the answer. There is one page: text that would start at or below the bottom
/// limit is dropped. The page is not cleared first.
void DrawPaperPage(PaperPage &page, const QString &paperText, const PageSettings &settings,
                   int scale, bool showGuides);
