// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paperpage.h"
#include "printsettings.h"

class PaperDocument;

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

/// Lays a test paper out at a scale (in percent): on the first page the centred title, the
/// guides (shown or hidden) and the paper text flowed character by character between the
/// margins. Line breaks in the text draw nothing; a question mark ends its line and leaves
/// three empty lines for the answer. Text that would start at or below the bottom limit
/// goes on to further pages with the same guides, margins and fonts, without the title;
/// their first line stands where the title stands on page 1. The first page is not cleared
/// first; the further pages are drawn afresh. False when part of the text found no place
/// (no room for a line below the top of a further page, or more than MaxDocumentPages).
bool DrawPaperPage(PaperDocument &document, const QString &paperText, const PageSettings &settings,
                   int scale, bool showGuides);
