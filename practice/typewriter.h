// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>

class TextSurface;

/// Where a typewriter writes on its box, in twips.
struct TypewriterLayout {
    double wrapAt = 0;     ///< a new line starts once the cursor has reached this x
    double leftMargin = 0; ///< no character is written left of this x
    double fontSize = 9;   ///< points, in 宋体
};

/// Writes a text onto a box one character per tick, in red 宋体, with a writing hand that
/// follows the pen. The first tick writes nothing; the tick after the last character is the
/// one that finds the text's end, and the typewriter stops there. A line ends once the pen has
/// reached the wrap position; a closing punctuation mark never starts a line, though: it
/// stays on the line it closes, just past the wrap position.
class Typewriter {
public:
    enum class Step {
        Idle,     ///< not running: the tick did nothing
        Typed,    ///< the hand moved and the next character (if any) was written
        Finished, ///< the end was reached; the typewriter has stopped
    };

    /// The writing hand hangs this far below the top of the line being written.
    static constexpr double HandDrop = 250;

    Typewriter(TextSurface &surface, TypewriterLayout layout);

    /// Starts writing text (without its end marker) at the surface's current position.
    void start(const QString &text);
    void stop() { m_running = false; }
    /// One timer tick.
    Step tick();

    bool isRunning() const { return m_running; }
    int ticks() const { return m_ticks; }
    /// The part of the text written so far.
    QString written() const;
    /// Top-left of the writing hand in the box, in twips.
    QPointF handPosition() const { return m_hand; }
    const TypewriterLayout &layout() const { return m_layout; }

private:
    void keepInLine(QChar next);

    TextSurface &m_surface;
    TypewriterLayout m_layout;
    QString m_text;
    int m_ticks = 0;
    bool m_running = false;
    bool m_hanging = false; // the last character was written past the wrap position
    QPointF m_hand;
};

/// The part of a bank field that a typewriter writes: the text before its first "&", or, for
/// a field that lacks its marker, the whole field without its trailing blanks.
QString TypedPartOf(const QString &field);

/// Whether a character is punctuation that closes what goes before it ("。", "，", "？", "）" …),
/// which no line may start with.
bool IsClosingMark(QChar c);
