// SPDX-License-Identifier: GPL-3.0-or-later
#include "typewriter.h"

#include "problemrecord.h"
#include "textsurface.h"
#include "units.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

Typewriter::Typewriter(TextSurface &surface, TypewriterLayout layout)
    : m_surface(surface), m_layout(layout)
{
}

void Typewriter::start(const QString &text)
{
    m_text = text;
    m_ticks = 0;
    m_running = true;
    m_hanging = false;
    m_surface.setFontName(u"宋体"_s);
    m_surface.setFontSize(m_layout.fontSize);
    m_surface.setTextColor(colorFromBgr(Bgr::Red));
    m_hand = QPointF(std::max(m_surface.currentX(), m_layout.leftMargin),
                     m_surface.currentY() + HandDrop);
}

Typewriter::Step Typewriter::tick()
{
    if (!m_running)
        return Step::Idle;
    ++m_ticks;
    // Tick n writes character n - 1: the first tick only puts the hand in place.
    const qsizetype index = m_ticks - 2;
    keepInLine(index >= 0 && index < m_text.size() ? m_text.at(index) : QChar());
    if (index >= m_text.size()) {
        m_running = false;
        return Step::Finished;
    }
    m_hand = QPointF(m_surface.currentX(), m_surface.currentY() + HandDrop);
    if (index >= 0)
        m_surface.print(m_text.at(index));
    return Step::Typed;
}

void Typewriter::keepInLine(QChar next)
{
    const bool wrapped = m_surface.currentX() >= m_layout.wrapAt;
    // One closing mark may hang past the wrap position; the line ends after it.
    const bool hang = wrapped && !m_hanging && IsClosingMark(next);
    m_hanging = hang;
    if (wrapped && !hang)
        m_surface.newLine();
    if (m_surface.currentX() <= m_layout.leftMargin)
        m_surface.setCurrentX(m_layout.leftMargin);
}

QString Typewriter::written() const
{
    return m_text.left(std::max(0, m_ticks - 1));
}

QString TypedPartOf(const QString &field)
{
    if (HasMarker(field))
        return TextBeforeMarker(field);
    qsizetype end = field.size();
    while (end > 0 && field.at(end - 1) == u' ')
        --end;
    return field.left(end);
}

bool IsClosingMark(QChar c)
{
    static const QString marks = u"。，、；：？！）》」』】”’…,.;:?!)]"_s;
    return !c.isNull() && marks.contains(c);
}
