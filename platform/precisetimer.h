// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTimer>

/// A repeating timer for animations and clocks. It keeps precise time, so a typewriter of
/// 200 ms ticks does not drift, and an interval of 0 means it never fires.
class PreciseTimer final : public QTimer {
    Q_OBJECT
public:
    /// name is the control's name, interval in milliseconds.
    PreciseTimer(const QString &name, int intervalMs, QObject *parent);

    /// Starts (from a full interval) or stops the timer; with interval 0 it stays stopped.
    void setEnabled(bool enabled);
    bool isEnabled() const { return isActive(); }
};
