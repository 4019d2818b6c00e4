// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The practice window's running tally: right answers, the rate and the results log.
class PracticeTally {
public:
    /// The texts of the two tally labels after a verdict.
    struct Labels {
        QString rate;  ///< "对题率：67%"
        QString count; ///< "对题数：2"
    };

    /// Counts one verdict for the problem with bank record number problemNo (its sequence
    /// number in the log is problemNo - 1). The rate is taken over the answers given since
    /// the tally was reset, so it stays within 0 … 100 even after the bank wraps around.
    Labels RecordVerdict(bool right, int problemNo);

    void reset() { *this = PracticeTally(); }

    int RightCount() const { return m_rightCount; }
    int RightRate() const { return m_rightRate; }
    int answered() const { return m_answered; }
    /// One line per verdict ("第3题对" or "第3题错"), each ending in CR LF.
    const QString &log() const { return m_log; }
    Labels currentLabels() const;

private:
    int m_rightCount = 0;
    int m_rightRate = 0;
    int m_answered = 0;
    QString m_log;
};
