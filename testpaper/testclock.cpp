// SPDX-License-Identifier: GPL-3.0-or-later
#include "testclock.h"

#include "numbertext.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

// Both counters are 64-bit: a window left open all day (or all year) keeps its clock and its
// face moving, where 16-bit counters would give out within the hour.

QString TestClock::tick()
{
    ++m_elapsedSeconds;
    return ClockText(m_elapsedSeconds);
}

double SmileyBob::tick()
{
    ++m_ticks;
    return TopAt(m_ticks);
}

double SmileyBob::TopAt(qint64 ticks)
{
    return std::sin(double(ticks)) * Amplitude + Amplitude;
}
