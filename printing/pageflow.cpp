// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageflow.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int AnswerLines = 4; // the line of the question and three empty ones

bool endsQuestion(QStringView character)
{
    return character == u"?" || character == u"？";
}

/// The character starting at index i; a surrogate pair is one character.
QStringView characterAt(const QString &text, qsizetype i)
{
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QStringView(text).mid(i, 2);
    return QStringView(text).mid(i, 1);
}

bool holdsOnlyBlanks(const PaperPage &page)
{
    for (const TextSurface::Run &run : page.text().runs()) {
        if (!run.text.trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace

PageFlow::PageFlow(PaperDocument &document, const PageLayout &layout, const QString &fontName,
                   bool showGuides)
    : m_document(document), m_layout(layout), m_fontName(fontName), m_showGuides(showGuides)
{
}

void PageFlow::flow(const QString &text, FlowRules rules)
{
    for (qsizetype i = 0; i < text.size() && m_complete;) {
        const QStringView character = characterAt(text, i);
        i += character.size();
        if (m_layout.right <= surface().currentX())
            surface().newLine();
        if (m_layout.left >= surface().currentX())
            surface().setCurrentX(m_layout.left);
        const QString shown = character.toString();
        const bool drawsSomething = surface().textWidth(shown) != 0;
        if (m_layout.bottom <= surface().currentY()) {
            if (!drawsSomething)
                continue; // a line break never starts a page
            if (!nextPage())
                return;
        }
        if (!drawsSomething) {
            if (rules.lineFeedsEndLines && character == u"\n")
                surface().newLine();
            continue;
        }
        surface().print(shown);
        if (rules.questionsLeaveRoom && endsQuestion(character)) {
            for (int line = 0; line < AnswerLines; ++line)
                surface().newLine();
        }
    }
}

bool PageFlow::finish()
{
    while (m_document.pageCount() > 1 &&
           holdsOnlyBlanks(m_document.page(m_document.pageCount() - 1)))
        m_document.removeLastPage();
    return m_complete;
}

bool PageFlow::nextPage()
{
    // Without room for one line a further page would take one character only, and the
    // next the same: the rest of the text cannot be placed.
    if (m_layout.top >= m_layout.bottom || m_document.pageCount() >= MaxDocumentPages) {
        m_complete = false;
        return false;
    }
    PaperPage &page = m_document.addPage();
    StartPage(page, m_layout, m_showGuides);
    TextSurface &text = page.text();
    text.setFontName(m_fontName);
    text.setFontSize(m_layout.bodySize);
    text.setCurrentX(m_layout.left);
    text.setCurrentY(m_layout.top);
    return true;
}
