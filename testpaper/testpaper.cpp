// SPDX-License-Identifier: GPL-3.0-or-later
#include "testpaper.h"

#include "papercomposer.h"
#include "recordcheck.h"

#include <QList>

#include <algorithm>

TestPaper::TestPaper(QRandomGenerator random) : m_random(random) {}

void TestPaper::reset()
{
    m_state = State::NoPaper;
    m_saved = false;
    m_paperText.clear();
    m_score = 0;
}

bool TestPaper::compose(const QString &bankPath)
{
    reset();
    m_damageFound = false;
    m_poolSize = PoolSizeFor(BankRecordCount(bankPath));
    if (m_poolSize <= SmallestPoolRefused)
        return false;
    // Every number drawn so far, damaged records included, so none is drawn twice.
    QList<int> drawn;
    const QList<MistakeNote> notes = ReadMistakeBook(bankPath).notes;
    for (int i = 1; i <= PaperProblems; ++i) {
        const std::optional<ProblemRecord> record = drawSoundRecord(bankPath, drawn);
        if (!record) {
            reset();
            return false;
        }
        m_recordNumbers[i] = drawn.last();
        m_records[i] = PaperRecordOf(*record);
        m_notes[i - 1] = NotesOfRecord(notes, m_recordNumbers[i]);
        m_paperText += PaperBlock(i, m_records[i]);
    }
    m_state = State::Composed;
    return true;
}

std::optional<ProblemRecord> TestPaper::drawSoundRecord(const QString &bankPath, QList<int> &drawn)
{
    while (drawn.size() < m_poolSize) {
        const int number = DrawNewRecordNumber(m_poolSize, m_random, drawn);
        drawn.append(number);
        // A damaged record, or one that cannot be read any more, never stands on a paper.
        ProblemRecord record = ReadProblemRecord(bankPath, number);
        if (IsSoundRecord(record, RecordRole::Problem))
            return record;
        m_damageFound = true;
    }
    return std::nullopt;
}

bool TestPaper::unfinished(const QStringList &answers) const
{
    const bool typed = std::any_of(answers.begin(), answers.end(), [](const QString &answer) {
        return !answer.trimmed().isEmpty();
    });
    return m_state == State::Composed && !m_saved && typed;
}

std::optional<Grading> TestPaper::handIn(const QStringList &answers)
{
    if (!hasPaper())
        return std::nullopt;
    std::array<QString, PaperProblems> expected;
    std::array<QString, PaperProblems> problems;
    for (int i = 1; i <= PaperProblems; ++i) {
        expected[i - 1] = m_records[i].AnswerText;
        problems[i - 1] = m_records[i].ProblemText;
    }
    Grading grading = GradePaper(answers, expected, problems, m_notes);
    m_score = grading.Score;
    m_state = State::Graded;
    return grading;
}
