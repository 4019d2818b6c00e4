// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>

#include <limits>

class TextSurface;

/// Where and how a typewriter writes on its box, in twips: all that the windows' typewriters
/// differ in.
struct TypewriterLayout {
    double wrapAt = 0;     ///< a line ends once the pen has reached this x
    double leftMargin = 0; ///< no character is written left of this x
    /// The box's width: punctuation hangs past wrapAt up to here.
    double rightEdge = std::numeric_limits<double>::infinity();
    int linesPerWrap = 1; ///< new lines a wrap makes: 2 writes wrapped lines double-spaced
    int openingLines = 0; ///< new lines the first tick makes before anything is written
    /// The writing marker (a hand, a pen) stands this far right of and below the pen, or by
    /// markerAtMargin when the pen is at the left margin.
    QPointF marker = {};
    QPointF markerAtMargin = {};
    QString fontName = {}; ///< set on the surface at each start; empty keeps the surface's font
    double fontSize = 0;   ///< points, set together with fontName
};

/// Writes a text onto a box one character per tick, in red, with a writing marker that follows
/// the pen. The first tick writes nothing; the tick after the last character is the one that
/// finds the text's end, and the typewriter stops there without moving the pen.
///
/// A line ends once the pen has reached the wrap position, with the line-breaking rule of
/// Chinese text: closing punctuation ("，" "。" "？" "）" "”" "…" …) and blanks never start a
/// line, they hang past the wrap position while the box has room; where it has none, the
/// character before them moves to the next line with them. An opening mark ("（" "“" …)
/// never ends a line.
class Typewriter {
public:
    enum class Step {
        Idle,     ///< not running: the tick did nothing
        Typed,    ///< the marker moved and the next character (if any) was written
        Finished, ///< the end was reached; the typewriter has stopped
    };
    /// AfterClauses also starts a new line after every "。", "：", "，" and blank.
    enum class Breaks { AtWrap, AfterClauses };

    Typewriter(TextSurface &surface, TypewriterLayout layout);

    /// Starts writing text at the surface's current position.
    void start(const QString &text, Breaks breaks = Breaks::AtWrap);
    void stop() { m_running = false; }
    /// One timer tick.
    Step tick();

    bool isRunning() const { return m_running; }
    int ticks() const { return m_ticks; }
    /// The part of the text written so far.
    QString written() const;
    /// Top-left of the writing marker in the box, in twips.
    QPointF markerPlace() const { return m_marker; }
    const TypewriterLayout &layout() const { return m_layout; }

private:
    bool wrapsBefore(qsizetype index) const;
    bool followersHang(qsizetype index, double lineEnd) const;
    double widthOf(QChar c) const;
    void newLines(int count);
    void placePen();
    QPointF markerForPen() const;
    void write(QChar c);

    TextSurface &m_surface;
    TypewriterLayout m_layout;
    QString m_text;
    Breaks m_breaks = Breaks::AtWrap;
    int m_ticks = 0;
    bool m_running = false;
    QPointF m_marker;
};

/// Whether no line may start with the character: closing punctuation and blanks.
bool MayNotStartLine(QChar c);
/// Whether no line may end with the character: opening brackets and quotation marks.
bool MayNotEndLine(QChar c);
