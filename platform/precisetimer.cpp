// SPDX-License-Identifier: GPL-3.0-or-later
#include "precisetimer.h"

PreciseTimer::PreciseTimer(const QString &name, int intervalMs, QObject *parent) : QTimer(parent)
{
    setObjectName(name);
    setTimerType(Qt::PreciseTimer);
    setInterval(intervalMs);
}

void PreciseTimer::setEnabled(bool enabled)
{
    if (enabled && interval() > 0)
        start();
    else
        stop();
}
