// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>

class TextSurface;

/// Writes one bank text of a worked example onto the board, one character per tick, the way a
/// teacher writes on a blackboard: lines wrap at 12000 twips (closing punctuation such as "，"
/// or "？", and a blank, never starts a line: it hangs past the wrap position), no character starts
/// left of the 2000-twip margin, and the writing marker follows the pen. The text ends at its
/// marker "&", which is never printed.
class ExampleTypewriter {
public:
    /// The problem text opens with two line breaks and keeps the marker 100 twips right of the
    /// pen. The solution text puts the marker at the pen (100 twips right of it at the margin)
    /// and can start a new line after every clause.
    enum class Kind { Problem, Solution };

    /// Where a line wraps, and the left margin, in twips.
    static constexpr double WrapX = 12000;
    static constexpr double LeftMargin = 2000;

    ExampleTypewriter(TextSurface &surface, Kind kind);

    /// Starts over with a bank field, after `indent` blanks. A field without its marker ends
    /// where its text ends (trailing blanks dropped), as if the marker stood there.
    /// With clauseBreaks, a new line follows every "。", "：", "，" and blank.
    void start(const QString &field, int indent, bool clauseBreaks = false);

    /// One tick: reveals the next character. Returns true on the tick that reaches the marker;
    /// nothing is printed on that tick, and later ticks change nothing.
    bool tick();

    /// Ticks so far (the character revealed last is number ticks() − 1; the first tick
    /// reveals nothing).
    int ticks() const { return m_ticks; }
    /// True once the marker has been reached.
    bool finished() const { return m_finished; }
    /// Where the writing marker stands now, in twips (left, top).
    QPointF markerPlace() const { return m_marker; }

private:
    void wrapIfPastTheEdge();
    void write(const QString &character);

    TextSurface &m_surface;
    Kind m_kind;
    QString m_text; // the blanks of the indent, then the field up to and including "&"
    bool m_clauseBreaks = false;
    int m_ticks = 0;
    bool m_finished = false;
    QPointF m_marker;
};
