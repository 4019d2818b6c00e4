// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

/// The test window's clock: seconds spent in the window, shown as minutes and seconds. It
/// counts on for as long as the window stays open; there is no time limit.
class TestClock {
public:
    explicit TestClock(qint64 elapsedSeconds = 0) : m_elapsedSeconds(elapsedSeconds) {}

    void reset() { m_elapsedSeconds = 0; }
    /// One second more; returns the text to show now.
    QString tick();

    qint64 ElapsedSeconds() const { return m_elapsedSeconds; }

private:
    qint64 m_elapsedSeconds;
};

/// The smiling face that bobs up and down: one irregular step per tick, between the tops 0
/// and 500 twips.
class SmileyBob {
public:
    static constexpr double Amplitude = 250; ///< twips

    explicit SmileyBob(qint64 ticks = 0) : m_ticks(ticks) {}

    void reset() { m_ticks = 0; }
    /// One tick more; returns the face's top now, in twips.
    double tick();

    qint64 AnimationTicks() const { return m_ticks; }
    /// The top after a number of ticks: sin(ticks) × 250 + 250, in radians.
    static double TopAt(qint64 ticks);

private:
    qint64 m_ticks;
};
