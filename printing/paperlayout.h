// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagelayout.h"
#include "printsettings.h"

#include <QString>

class PaperDocument;

/// The page scales the preview offers, in percent.
inline constexpr int PageScales[] = {80, 100, 120, 130, 140};
inline constexpr int DefaultPageScale = 100;

/// The title above every test paper.
QString PaperTitle();

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
