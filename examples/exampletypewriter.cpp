// SPDX-License-Identifier: GPL-3.0-or-later
#include "exampletypewriter.h"

#include "problemrecord.h"
#include "textsurface.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The marker stands this far right of the pen (problem) or of the margin (solution), and
// this far below the top of the line.
constexpr double MarkerNudge = 100;
constexpr double MarkerDrop = 300;

QString withoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

/// The field up to and including its marker; a field that lacks one gets it after its text.
QString markedText(const QString &field)
{
    if (HasMarker(field))
        return TextBeforeMarker(field) + TextMarker;
    return withoutTrailingBlanks(field) + TextMarker;
}

bool endsClause(const QString &character)
{
    return character == u"。"_s || character == u"："_s || character == u"，"_s ||
           character == u" "_s;
}

/// Punctuation that must not begin a line, and blanks: at the wrap position they stay at the
/// end of the line, past the wrap position, instead of opening the next one.
bool hangsAtTheEdge(const QString &character)
{
    static const QString closing = u"，。、；：？！）》”’」』】,.;:?!) "_s;
    return character.size() == 1 && closing.contains(character.front());
}

} // namespace

ExampleTypewriter::ExampleTypewriter(TextSurface &surface, Kind kind)
    : m_surface(surface), m_kind(kind)
{
}

void ExampleTypewriter::start(const QString &field, int indent, bool clauseBreaks)
{
    m_text = QString(qMax(indent, 0), u' ') + markedText(field);
    m_clauseBreaks = clauseBreaks;
    m_ticks = 0;
    m_finished = false;
}

bool ExampleTypewriter::tick()
{
    if (m_finished || m_text.isEmpty())
        return false;
    if (m_kind == Kind::Problem && m_ticks == 0) {
        m_surface.newLine();
        m_surface.newLine();
    }
    ++m_ticks;
    const qsizetype revealed = m_ticks - 1;
    const QString character = revealed == 0 ? QString() : m_text.mid(revealed - 1, 1);
    if (character == QString(TextMarker)) {
        // The marker is never printed, so it never wraps the line either.
        m_finished = true;
        return true;
    }
    if (!hangsAtTheEdge(character))
        wrapIfPastTheEdge();
    write(character);
    return false;
}

void ExampleTypewriter::wrapIfPastTheEdge()
{
    // Wrapped lines are double-spaced.
    if (m_surface.currentX() >= WrapX) {
        m_surface.newLine();
        m_surface.newLine();
    }
}

void ExampleTypewriter::write(const QString &character)
{
    const bool atMargin = m_surface.currentX() <= LeftMargin;
    if (atMargin)
        m_surface.setCurrentX(LeftMargin);
    const double x = m_surface.currentX();
    const double markerLeft = m_kind == Kind::Problem || atMargin ? x + MarkerNudge : x;
    m_marker = QPointF(markerLeft, m_surface.currentY() + MarkerDrop);
    m_surface.print(character);
    if (m_clauseBreaks && endsClause(character))
        m_surface.newLine();
}
