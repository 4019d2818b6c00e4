// SPDX-License-Identifier: GPL-3.0-or-later
#include "typewriter.h"

#include "textsurface.h"
#include "units.h"

#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;

Typewriter::Typewriter(TextSurface &surface, TypewriterLayout layout)
    : m_surface(surface), m_layout(std::move(layout))
{
}

void Typewriter::start(const QString &text, Breaks breaks)
{
    m_text = text;
    m_breaks = breaks;
    m_ticks = 0;
    m_running = true;
    if (!m_layout.fontName.isEmpty()) {
        m_surface.setFontName(m_layout.fontName);
        m_surface.setFontSize(m_layout.fontSize);
    }
    m_surface.setTextColor(RedColor());
    m_marker = markerForPen();
}

Typewriter::Step Typewriter::tick()
{
    if (!m_running)
        return Step::Idle;
    if (m_ticks == 0)
        newLines(m_layout.openingLines);
    ++m_ticks;
    // Tick n writes character n - 2: the first tick only puts the pen in place.
    const qsizetype index = m_ticks - 2;
    if (index >= m_text.size()) {
        m_running = false;
        return Step::Finished;
    }
    const bool wraps = index < 0 ? m_surface.currentX() >= m_layout.wrapAt : wrapsBefore(index);
    if (wraps)
        newLines(m_layout.linesPerWrap);
    placePen();
    if (index >= 0)
        write(m_text.at(index));
    return Step::Typed;
}

bool Typewriter::wrapsBefore(qsizetype index) const
{
    const double x = m_surface.currentX();
    if (x <= m_layout.leftMargin)
        return false; // the line's first character stays, whatever it is
    const QChar c = m_text.at(index);
    const double end = x + widthOf(c);
    if (x >= m_layout.wrapAt)
        return !MayNotStartLine(c) || end > m_layout.rightEdge;
    // Past the wrap position only what may not start a line can follow c on its line.
    return end >= m_layout.wrapAt && !followersHang(index, end);
}

/// Whether everything that may not be parted from character index fits on its line, the line
/// ending at lineEnd after it.
bool Typewriter::followersHang(qsizetype index, double lineEnd) const
{
    const qsizetype next = index + 1;
    if (next < m_text.size() && MayNotEndLine(m_text.at(index)))
        return false;
    for (qsizetype i = next; i < m_text.size() && MayNotStartLine(m_text.at(i)); ++i) {
        lineEnd += widthOf(m_text.at(i));
        if (lineEnd > m_layout.rightEdge)
            return false;
    }
    return true;
}

double Typewriter::widthOf(QChar c) const
{
    return m_surface.textWidth(QString(c));
}

void Typewriter::newLines(int count)
{
    for (int i = 0; i < count; ++i)
        m_surface.newLine();
}

void Typewriter::placePen()
{
    if (m_surface.currentX() <= m_layout.leftMargin)
        m_surface.setCurrentX(m_layout.leftMargin);
    m_marker = markerForPen();
}

QPointF Typewriter::markerForPen() const
{
    const double x = m_surface.currentX();
    const QPointF pen(std::max(x, m_layout.leftMargin), m_surface.currentY());
    return pen + (x <= m_layout.leftMargin ? m_layout.markerAtMargin : m_layout.marker);
}

void Typewriter::write(QChar c)
{
    m_surface.print(QString(c));
    static const QString clauseEnds = u"。：， "_s;
    if (m_breaks == Breaks::AfterClauses && clauseEnds.contains(c))
        m_surface.newLine();
}

QString Typewriter::written() const
{
    return m_text.left(std::max(0, m_ticks - 1));
}

bool MayNotStartLine(QChar c)
{
    static const QString closing = u"。，、；：？！）》」』】〕〉］｝”’…‥,.;:?!)]} "_s;
    return !c.isNull() && closing.contains(c);
}

bool MayNotEndLine(QChar c)
{
    static const QString opening = u"（《「『【〔〈［｛“‘([{"_s;
    return !c.isNull() && opening.contains(c);
}
