// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTimer>

#include <functional>

/// A repeating timer for animations and clocks. It keeps precise time, so a typewriter of
/// 200 ms ticks does not drift, and an interval of 0 means it never fires.
///
/// It emits ticked() once per tick of its rhythm. A timer told how many ticks remain until
/// something changes (setTicksUntilChange) sleeps through the ticks that change nothing and,
/// when it wakes, emits all the ticks due at once, so an idle window does not wake the
/// processor for nothing.
class PreciseTimer final : public QTimer {
    Q_OBJECT
public:
    /// name is the control's name, intervalMs the length of one tick.
    PreciseTimer(const QString &name, int intervalMs, QObject *parent);

    /// Starts (from a full tick) or stops the timer; with interval 0 it stays stopped.
    void setEnabled(bool enabled);
    bool isEnabled() const { return isActive(); }

    /// The length of one tick in milliseconds; interval() is the time to the next wake.
    int tickMs() const { return m_tickMs; }
    /// How many ticks the next wake carries out.
    int ticksPerWake() const { return m_ticksPerWake; }
    /// ticksUntilChange answers, after each wake, after how many ticks (1 or more) something
    /// changes next; the timer sleeps until then.
    void setTicksUntilChange(std::function<int()> ticksUntilChange);

    /// Carries out the ticks due now and sets the next wake; the timer's own wake calls it.
    void wake();

Q_SIGNALS:
    /// One tick of the rhythm.
    void ticked();

private:
    void sleepTicks(int ticks);

    int m_tickMs;
    int m_ticksPerWake = 1;
    std::function<int()> m_ticksUntilChange;
};
