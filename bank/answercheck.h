// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problemrecord.h"

#include <QString>

#include <optional>

/// The longest answer line an answer box takes, in practice and in the test: room for any
/// answer a pupil writes, and judged at once.
inline constexpr int MaxAnswerLength = 200;

/// A judged answer line. The window shows "表达式错误" once per bracket error, then the verdict.
struct Verdict {
    bool right = false;
    int bracketErrors = 0;
};

/// Whether two computed values count as equal: within 1e-12 of the larger magnitude (and
/// at least of 1), so floating-point noise such as 0.1+0.2 against 0.3 never fails a pupil.
bool ValuesEqual(double a, double b);

/// The practice check of one answer line against the problem's AnswerText: an expression
/// must have the answer's value; an equation (with "=") must hold when lowercase x stands
/// for the answer. A ratio a:b reads as the quotient of its terms and "%" as "/100". An answer
/// whose evaluation aborts, and any answer to a problem whose AnswerText is not a plain number, is
/// wrong.
Verdict CheckAnswer(const QString &line, const QString &answerText);
Verdict CheckAnswer(const QString &line, const ProblemRecord &record);

/// The practice check of a line against a value instead of a stored answer: what a line
/// would score if the answer were that value.
Verdict CheckAgainstValue(const QString &line, double value);

/// The value the test reads from a stored AnswerText: the text evaluated as an expression,
/// "%" read as "/100", so 25% is 0.25 and 3/4 is 0.75. Nothing when the text is not arithmetic
/// on plain numbers (blank, letters, "1.2.3", a NUL byte), has unmatched brackets or aborts.
std::optional<double> StoredAnswerValue(const QString &answerText);

/// The test paper's check of one row against StoredAnswerValue. A row without "=" is an
/// expression, compared by value; a bracket error in it counts as the value 0. A row with "="
/// is an equation, judged as practice judges one (128-75=99 is wrong, x=46+18 right). An
/// aborted evaluation, or a stored answer that cannot be read, makes the row wrong whatever
/// was typed.
Verdict GradeRow(const QString &answer, const QString &answerText);

/// The replacements both checks make in a pupil's line: each ratio a:b to the quotient of its
/// two terms (RatiosAsQuotients) and every percentage to a fraction.
QString NormalisedAnswerLine(QString line);

/// Writes each percentage as a bracketed fraction, "80%" as "(80/100)", so that it keeps its
/// value inside a product or quotient: 96/80% is 120, as in the textbook. A "%" that follows
/// no number becomes "/100".
QString PercentAsFraction(QString text);
