// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answercheck.h"
#include "mistakes.h"
#include "resultsounds.h"

#include <QString>
#include <QStringList>

#include <array>

/// Problems on one paper, and the points each right answer earns.
inline constexpr int PaperProblems = 10;
inline constexpr int PointsPerProblem = 10;

/// How the window greets a score: the word in the result label, its size, the face and the
/// sound.
struct ResultBand {
    QString caption;     ///< Label5
    double fontSize = 0; ///< Label5, in points
    bool frown = false;  ///< the frowning face replaces the smiling one
    ResultSound sound = ResultSound::Wrong;

    bool operator==(const ResultBand &) const = default;
};

/// The band of a score of 0 … 100 points.
ResultBand ResultBandFor(int score);

/// The score label's text, as in 我的成绩70分.
QString ScoreText(int score);

/// The mark a row shows once graded.
QString MarkText(bool right);

/// A graded paper: one verdict per answer row, the score and its band.
struct Grading {
    std::array<Verdict, PaperProblems> rows{};
    int Score = 0;
    ResultBand band;
    /// How to write the wrong rows' answers, one hint at a time (PaperInputHint); empty when
    /// no wrong row has one.
    QString inputHint;
    /// For each wrong row that has the value of a typical wrong line, and no hint: what
    /// went wrong. Empty for the other rows.
    std::array<QString, PaperProblems> explanations{};
    /// For each wrong row, its right answer as the pupil reads it ("答案：53"); empty for
    /// right rows, and for a row whose stored answer cannot be read.
    std::array<QString, PaperProblems> rightAnswers{};
};

/// The right answer shown under a wrong row: "答案：" and the value the row is graded
/// against; empty when the stored answer cannot be read.
QString RightAnswerText(const QString &answerText);

/// Grades ten answers (row k against expectedAnswers[k], the stored AnswerText of problem
/// k + 1): each row by value, ten points per right row. A missing answer counts as empty.
/// The problems' texts tell the hints which questions ask for a percentage; the problems'
/// notes explain the typical mistakes.
Grading GradePaper(const QStringList &answers,
                   const std::array<QString, PaperProblems> &expectedAnswers,
                   const std::array<QString, PaperProblems> &problemTexts = {},
                   const std::array<QList<MistakeNote>, PaperProblems> &notes = {});
