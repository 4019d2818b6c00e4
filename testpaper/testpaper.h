// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grading.h"
#include "problemrecord.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

/// One test paper without its window: composing ten problems at random from a bank, and
/// grading the pupil's ten answers against them. Slot 0 of the record arrays is unused, so
/// slot i holds problem i.
class TestPaper {
public:
    enum class State { NoPaper, Composed, Graded };

    /// random is seeded once, by the caller: reseeding before every draw could give the same
    /// paper twice when the pupil composes twice in quick succession.
    explicit TestPaper(QRandomGenerator random);

    /// Back to no paper: nothing composed, score 0. The records drawn last stay.
    void reset();

    /// Composes a new paper from the bank at bankPath. A bank of fewer than 16 records (or a
    /// missing or unreadable one) composes nothing, leaves no paper and returns false; the
    /// records of the last paper stay as they were. A damaged record drawn is put back for
    /// another draw; with fewer than ten sound problems there is no paper either.
    bool compose(const QString &bankPath);
    /// Whether the last compose() met a damaged record.
    bool damageFound() const { return m_damageFound; }

    /// Grades the answers of rows 0 … 9 (row k belongs to problem k + 1), explaining a typical
    /// mistake from the notes beside the bank as it was when the paper was composed. Without a
    /// paper there is nothing to grade: returns nothing and changes nothing.
    std::optional<Grading> handIn(const QStringList &answers);

    State state() const { return m_state; }
    /// The composed paper was saved; composing again forgets it.
    void markSaved() { m_saved = true; }
    /// Whether leaving now would lose the pupil's work: a paper composed, some answer typed,
    /// and neither handed in nor saved.
    bool unfinished(const QStringList &answers) const;
    bool hasPaper() const { return m_state != State::NoPaper; }

    /// The composed paper; empty while there is no paper.
    const QString &PaperText() const { return m_paperText; }
    int Score() const { return m_score; }
    /// Drawable records of the bank last opened: its record count less 2.
    int PoolSize() const { return m_poolSize; }
    const std::array<int, PaperProblems + 1> &PaperRecordNumbers() const { return m_recordNumbers; }
    const std::array<ProblemRecord, PaperProblems + 1> &PaperRecords() const { return m_records; }

private:
    /// Draws numbers not drawn before until one names a sound record; nothing when the pool
    /// runs out.
    std::optional<ProblemRecord> drawSoundRecord(const QString &bankPath, QList<int> &drawn);

    QRandomGenerator m_random;
    bool m_damageFound = false;
    State m_state = State::NoPaper;
    bool m_saved = false;
    QString m_paperText;
    int m_score = 0;
    int m_poolSize = 0;
    std::array<int, PaperProblems + 1> m_recordNumbers{};
    std::array<ProblemRecord, PaperProblems + 1> m_records{};
    /// The explanations of each problem's typical mistakes, read with the paper.
    std::array<QList<MistakeNote>, PaperProblems> m_notes{};
};
