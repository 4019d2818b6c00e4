// SPDX-License-Identifier: GPL-3.0-or-later
#include "testpaper.h"

#include "papercomposer.h"

TestPaper::TestPaper(QRandomGenerator random) : m_random(random) {}

void TestPaper::reset()
{
    m_state = State::NoPaper;
    m_paperText.clear();
    m_score = 0;
}

bool TestPaper::compose(const QString &bankPath)
{
    reset();
    m_poolSize = PoolSizeFor(BankRecordCount(bankPath));
    if (m_poolSize <= SmallestPoolRefused)
        return false;
    const std::array<int, PaperProblems> drawn = DrawRecordNumbers(m_poolSize, m_random);
    for (int i = 1; i <= PaperProblems; ++i) {
        m_recordNumbers[i] = drawn[i - 1];
        // A record that cannot be read any more comes back blank and stands empty on the
        // paper; the other problems are composed all the same.
        m_records[i] = PaperRecordOf(ReadProblemRecord(bankPath, m_recordNumbers[i]));
        m_paperText += PaperBlock(i, m_records[i]);
    }
    m_state = State::Composed;
    return true;
}

std::optional<Grading> TestPaper::handIn(const QStringList &answers)
{
    if (!hasPaper())
        return std::nullopt;
    std::array<QString, PaperProblems> expected;
    for (int i = 1; i <= PaperProblems; ++i)
        expected[i - 1] = m_records[i].AnswerText;
    Grading grading = GradePaper(answers, expected);
    m_score = grading.Score;
    m_state = State::Graded;
    return grading;
}
