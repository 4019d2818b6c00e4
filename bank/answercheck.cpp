// SPDX-License-Identifier: GPL-3.0-or-later
#include "answercheck.h"

#include "evaluator.h"
#include "numbertext.h"
#include "ratio.h"

#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

/// One evaluated side: its rounded value, or nothing; and whether brackets were wrong.
struct Side {
    std::optional<double> value;
    int bracketErrors = 0;
};

Side Evaluate(const QString &text)
{
    const EvalResult result = EvalBrackets(text);
    switch (result.outcome) {
    case EvalOutcome::Value:
        return {RoundToPrintedDigits(result.value), 0};
    case EvalOutcome::BracketError:
        return {0.0, 1};
    case EvalOutcome::Aborted:
        break;
    }
    return {std::nullopt, 0};
}

bool SameValue(const Side &a, const Side &b)
{
    return a.value && b.value && ValuesEqual(*a.value, *b.value);
}

Verdict CheckExpression(const QString &working, std::optional<double> answer)
{
    const Side side = Evaluate(working);
    const bool right =
        side.bracketErrors == 0 && answer && side.value && ValuesEqual(*side.value, *answer);
    return {right, side.bracketErrors};
}

/// x stands for the answer; the capital X is not the unknown.
Verdict CheckEquation(const QString &working, qsizetype equals, std::optional<double> answer)
{
    const QString x = NumberText(answer.value_or(0));
    const Side left = Evaluate(working.left(equals).replace(u'x', x));
    const Side right = Evaluate(working.mid(equals + 1).replace(u'x', x));
    const int errors = left.bracketErrors + right.bracketErrors;
    return {errors == 0 && answer && SameValue(left, right), errors};
}

bool IsNumberChar(QChar c)
{
    return c.isDigit() || c == u'.';
}

/// Where the number that ends just before `end` starts, blanks before `end` skipped; or -1
/// when no number stands there. Nothing before `from` counts.
qsizetype NumberStartBefore(const QString &text, qsizetype from, qsizetype end)
{
    qsizetype start = end;
    while (start > from && text[start - 1] == u' ')
        --start;
    const qsizetype numberEnd = start;
    while (start > from && IsNumberChar(text[start - 1]))
        --start;
    return start == numberEnd ? -1 : start;
}

/// A stored answer is arithmetic on plain numbers: digits with at most one point, the four
/// signs, brackets, "%" and blanks, and at least one number. Anything else (letters, a NUL
/// byte, "1.2.3") means the bank is damaged, not that the answer is 0.
bool IsArithmeticOnNumbers(QStringView text)
{
    static const QString signs = u"+-*/()% "_s;
    bool anyDigit = false;
    int pointsInNumber = 0;
    for (const QChar c : text) {
        if (c.unicode() >= u'0' && c.unicode() <= u'9') {
            anyDigit = true;
        } else if (c == u'.') {
            if (++pointsInNumber > 1)
                return false;
        } else if (signs.contains(c)) {
            pointsInNumber = c == u' ' ? pointsInNumber : 0;
        } else {
            return false;
        }
    }
    return anyDigit;
}

} // namespace

std::optional<double> StoredAnswerValue(const QString &answerText)
{
    if (!IsArithmeticOnNumbers(answerText))
        return std::nullopt;
    const Side side = Evaluate(PercentAsFraction(answerText));
    if (side.bracketErrors > 0)
        return std::nullopt;
    return side.value;
}

QString PercentAsFraction(QString text)
{
    // The "100" written for one sign is never taken as the number of the next.
    qsizetype written = 0;
    for (qsizetype at = text.indexOf(u'%'); at >= 0; at = text.indexOf(u'%', written)) {
        const qsizetype start = NumberStartBefore(text, written, at);
        const QString fraction = start < 0 ? u"/100"_s : u"/100)"_s;
        text.replace(at, 1, fraction);
        written = at + fraction.size();
        if (start >= 0) {
            text.insert(start, u'(');
            ++written;
        }
    }
    return text;
}

bool ValuesEqual(double a, double b)
{
    const double scale = std::max({1.0, std::fabs(a), std::fabs(b)});
    return std::fabs(a - b) <= 1e-12 * scale;
}

QString NormalisedAnswerLine(QString line)
{
    return PercentAsFraction(RatiosAsQuotients(line));
}

Verdict CheckAnswer(const QString &line, const QString &answerText)
{
    if (line.isEmpty())
        return {};
    const QString working = NormalisedAnswerLine(line);
    const std::optional<double> answer = StrictNumber(answerText);
    const qsizetype equals = working.indexOf(u'=');
    return equals < 0 ? CheckExpression(working, answer) : CheckEquation(working, equals, answer);
}

Verdict CheckAnswer(const QString &line, const ProblemRecord &record)
{
    return CheckAnswer(line, record.AnswerText);
}

Verdict CheckAgainstValue(const QString &line, double value)
{
    if (line.isEmpty())
        return {};
    const QString working = NormalisedAnswerLine(line);
    const qsizetype equals = working.indexOf(u'=');
    return equals < 0 ? CheckExpression(working, value) : CheckEquation(working, equals, value);
}

Verdict GradeRow(const QString &answer, const QString &answerText)
{
    const QString working = NormalisedAnswerLine(answer);
    const qsizetype equals = working.indexOf(u'=');
    if (equals >= 0)
        return CheckEquation(working, equals, StoredAnswerValue(answerText));
    const Side pupil = Evaluate(working);
    const Side expected{StoredAnswerValue(answerText), 0};
    return {SameValue(pupil, expected), pupil.bracketErrors};
}
