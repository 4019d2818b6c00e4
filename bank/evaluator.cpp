// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator.h"

#include "textscan.h"

#include "numbertext.h"

#include <QList>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString DivisionByZero = u"除数为零"_s;
const QString OutOfRange = u"数值超出范围"_s;

bool IsSign(QChar c)
{
    return c == u'+' || c == u'-';
}

using TextScan::IsExponentLetterOfNumber;
using TextScan::PreviousNonBlank;

/// A "+" or "-" ends the previous term unless it is the sign of the number that follows:
/// after another operator, or after the exponent letter of a number (1E+20).
bool StartsNewTerm(const QString &text, qsizetype pos)
{
    const qsizetype before = PreviousNonBlank(text, pos);
    if (before < 0)
        return false;
    const QChar c = text[before];
    if (c == u'*' || c == u'/' || IsSign(c))
        return false;
    return !IsExponentLetterOfNumber(text, before);
}

/// Position of the next "*" or "/" after the operator at `from`, or the end of the text.
qsizetype NextFactorStart(const QString &working, qsizetype from)
{
    for (qsizetype i = from + 1; i < working.size(); ++i) {
        if (working[i] == u'*' || working[i] == u'/')
            return i;
    }
    return working.size();
}

/// Evaluates the group that opens at `open` and closes at the end of `resolved`, and puts its
/// value, written as text, in its place. Returns the group's value or why there is none.
EvalResult ResolveGroup(QString &resolved, qsizetype open)
{
    const EvalResult inner = EvalSum(resolved.sliced(open + 1));
    if (!inner.hasValue())
        return inner;
    const QString valueText = NumberText(inner.value);
    // 15 digits may round the largest finite values up beyond the double range.
    if (!std::isfinite(ReadNumber(valueText)))
        return EvalResult::Abort(OutOfRange);
    resolved.truncate(open);
    resolved.append(valueText);
    return inner;
}

} // namespace

QStringList SplitTerms(const QString &text)
{
    QString rest = text;
    if (rest.isEmpty() || !IsSign(rest.front()))
        rest.prepend(u'+');
    QStringList terms;
    qsizetype termStart = 0;
    for (qsizetype i = 1; i < rest.size(); ++i) {
        if (IsSign(rest[i]) && StartsNewTerm(rest, i)) {
            terms.append(rest.mid(termStart, i - termStart));
            termStart = i;
        }
    }
    terms.append(rest.mid(termStart));
    return terms;
}

EvalResult EvalTerm(const QString &term)
{
    if (term.isEmpty())
        return EvalResult::Of(0);
    const bool negative = term.front() == u'-';
    // The sign's place is taken by "*", so every factor starts with its operator.
    const QString working = u'*' + term.sliced(1);
    double accumulator = 1;
    for (qsizetype start = 0; start < working.size();) {
        const qsizetype end = NextFactorStart(working, start);
        const double operand = ReadNumber(QStringView(working).sliced(start + 1, end - start - 1));
        if (!std::isfinite(operand))
            return EvalResult::Abort(OutOfRange);
        if (working[start] == u'*') {
            accumulator *= operand;
        } else {
            if (operand == 0)
                return EvalResult::Abort(DivisionByZero);
            accumulator /= operand;
        }
        if (!std::isfinite(accumulator))
            return EvalResult::Abort(OutOfRange);
        start = end;
    }
    const double rounded = RoundToPrintedDigits(accumulator);
    if (!std::isfinite(rounded))
        return EvalResult::Abort(OutOfRange);
    return EvalResult::Of(negative ? -rounded : rounded);
}

EvalResult EvalSum(const QString &text)
{
    double sum = 0;
    for (const QString &term : SplitTerms(text)) {
        const EvalResult value = EvalTerm(term);
        if (!value.hasValue())
            return value;
        sum += value.value;
        if (!std::isfinite(sum))
            return EvalResult::Abort(OutOfRange);
    }
    return EvalResult::Of(sum);
}

EvalResult EvalBrackets(const QString &text)
{
    // One pass: the text outside open groups is copied as it is; each group, once it closes,
    // is replaced in the copy by its value written as text. Groups are thus resolved in the
    // order of their closing brackets, innermost first, as rewriting the text would.
    QString resolved;
    resolved.reserve(text.size());
    QList<qsizetype> openGroups;
    for (const QChar c : text) {
        if (c == u'(') {
            openGroups.append(resolved.size());
            resolved.append(c);
        } else if (c == u')') {
            if (openGroups.isEmpty())
                return EvalResult::BadBrackets();
            const EvalResult group = ResolveGroup(resolved, openGroups.takeLast());
            if (!group.hasValue())
                return group;
        } else {
            resolved.append(c);
        }
    }
    if (!openGroups.isEmpty())
        return EvalResult::BadBrackets();
    return EvalSum(resolved);
}
