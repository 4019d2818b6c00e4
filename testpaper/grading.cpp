// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading.h"

#include "inputhint.h"
#include "numbertext.h"

using namespace Qt::Literals::StringLiterals;

ResultBand ResultBandFor(int score)
{
    if (score >= 100)
        return {u"奖"_s, 72, false, ResultSound::Right};
    if (score >= 86)
        return {u"好"_s, 72, false, ResultSound::Right};
    if (score >= 60)
        return {u"再努力 上台阶"_s, 25, false, ResultSound::Wrong};
    return {u"还要努力啊!"_s, 25, true, ResultSound::Wrong};
}

QString ScoreText(int score)
{
    return u"我的成绩"_s + QString::number(score) + u"分"_s;
}

QString MarkText(bool right)
{
    return right ? u"√"_s : u"×"_s;
}

QString RightAnswerText(const QString &answerText)
{
    const std::optional<double> value = StoredAnswerValue(answerText);
    return value ? u"答案："_s % NumberText(*value) : QString();
}

Grading GradePaper(const QStringList &answers,
                   const std::array<QString, PaperProblems> &expectedAnswers,
                   const std::array<QString, PaperProblems> &problemTexts,
                   const std::array<QList<MistakeNote>, PaperProblems> &notes)
{
    Grading grading;
    QList<AnswerHint> rowHints;
    for (int row = 0; row < PaperProblems; ++row) {
        const QString answer = row < answers.size() ? answers[row] : QString();
        const QString &expected = expectedAnswers[row];
        // A row whose evaluation aborts (a division by zero, an overflow) is simply wrong.
        grading.rows[row] = GradeRow(answer, expected);
        if (grading.rows[row].right) {
            grading.Score += PointsPerProblem;
            rowHints.append(AnswerHint{});
            continue;
        }
        const LineJudge judge = [&expected](const QString &changed) {
            return GradeRow(changed, expected).right;
        };
        rowHints.append(HintForWrongLine(answer, problemTexts[row], judge));
        grading.rightAnswers[row] = RightAnswerText(expected);
        // A line not read as meant says nothing about the method behind it.
        if (rowHints.last().kind == HintKind::None)
            grading.explanations[row] = ExplanationFor(notes[row], answer);
    }
    grading.band = ResultBandFor(grading.Score);
    grading.inputHint = PaperInputHint(rowHints);
    return grading;
}
