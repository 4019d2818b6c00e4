// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagelayout.h"
#include "paperdocument.h"

#include <QString>

/// How the characters of a text end lines as they flow.
struct FlowRules {
    /// A test paper: line breaks draw nothing, and a question mark ends its line and leaves
    /// three empty lines for the answer.
    static FlowRules paper() { return {false, true}; }
    /// An answer key: each line feed ends a line, and question marks are plain characters.
    static FlowRules answerKey() { return {true, false}; }

    bool lineFeedsEndLines = false;
    bool questionsLeaveRoom = true;
};

/// The most pages one document is given; a text that needs more is cut there.
inline constexpr int MaxDocumentPages = 100;

/// Flows text character by character over a document's pages, from the current position of
/// its last page: a character that would start at or beyond the right limit goes to a new
/// line, every line starts at the left limit, and a character that would start on a line at
/// or below the bottom limit goes to a new page of the same size, with the same guides and
/// fonts, whose first line stands at the layout's top. Line breaks never start a page.
class PageFlow {
public:
    PageFlow(PaperDocument &document, const PageLayout &layout, const QString &fontName,
             bool showGuides);

    void flow(const QString &text, FlowRules rules);
    /// Gives up trailing pages that hold nothing but blanks, and says whether every
    /// character found a place: false when a page has no room for a single line, or the
    /// text needed more than MaxDocumentPages pages.
    bool finish();

private:
    bool nextPage();
    TextSurface &surface() { return m_document.page(m_document.pageCount() - 1).text(); }

    PaperDocument &m_document;
    PageLayout m_layout;
    QString m_fontName;
    bool m_showGuides;
    bool m_complete = true;
};
