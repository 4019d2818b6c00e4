// SPDX-License-Identifier: GPL-3.0-or-later
#include "precisetimer.h"

#include <algorithm>
#include <climits>

PreciseTimer::PreciseTimer(const QString &name, int intervalMs, QObject *parent)
    : QTimer(parent), m_tickMs(intervalMs)
{
    setObjectName(name);
    setTimerType(Qt::PreciseTimer);
    setInterval(intervalMs);
    connect(this, &QTimer::timeout, this, &PreciseTimer::wake);
}

void PreciseTimer::setEnabled(bool enabled)
{
    sleepTicks(1);
    if (enabled && m_tickMs > 0)
        start();
    else
        stop();
}

void PreciseTimer::setTicksUntilChange(std::function<int()> ticksUntilChange)
{
    m_ticksUntilChange = std::move(ticksUntilChange);
}

void PreciseTimer::wake()
{
    for (int tick = m_ticksPerWake; tick > 0; --tick)
        Q_EMIT ticked();
    // A tick's handler may have stopped the timer; it stays stopped.
    if (m_ticksUntilChange && isActive())
        sleepTicks(m_ticksUntilChange());
}

void PreciseTimer::sleepTicks(int ticks)
{
    const int longest = m_tickMs > 0 ? INT_MAX / m_tickMs : 1;
    m_ticksPerWake = std::clamp(ticks, 1, longest);
    // Setting the interval of a running timer restarts it from now, the moment of this wake.
    if (interval() != m_tickMs * m_ticksPerWake)
        setInterval(m_tickMs * m_ticksPerWake);
}
