// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator.h"

#include "numbertext.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString DivisionByZero = u"除数为零"_s;
const QString OutOfRange = u"数值超出范围"_s;

bool IsSign(QChar c)
{
    return c == u'+' || c == u'-';
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

/// Position of the last non-blank character before `pos`, or -1.
qsizetype PreviousNonBlank(const QString &text, qsizetype pos)
{
    for (qsizetype i = pos - 1; i >= 0; --i) {
        if (!IsBlank(text[i]))
            return i;
    }
    return -1;
}

bool IsExponentLetterOfNumber(const QString &text, qsizetype letter)
{
    const QChar c = text[letter].toUpper();
    if (c != u'E' && c != u'D')
        return false;
    const qsizetype before = PreviousNonBlank(text, letter);
    return before >= 0 && (text[before].isDigit() || text[before] == u'.');
}

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

/// Position of the next "*" or "/" after the operator that opens `working`.
qsizetype NextFactorStart(const QString &working)
{
    for (qsizetype i = 1; i < working.size(); ++i) {
        if (working[i] == u'*' || working[i] == u'/')
            return i;
    }
    return working.size();
}

struct BracketGroup {
    qsizetype Open = -1;
    qsizetype Close = -1;
};

enum class BracketScan { None, Error, Group };

/// Finds the innermost group that closes at the first ")".
BracketScan FindInnermostGroup(const QString &text, BracketGroup &group)
{
    const qsizetype open = text.indexOf(u'(');
    const qsizetype close = text.indexOf(u')');
    if (open < 0 && close < 0)
        return BracketScan::None;
    if (open < 0 || close < 0 || open > close)
        return BracketScan::Error;
    group.Open = text.lastIndexOf(u'(', close);
    group.Close = close;
    return BracketScan::Group;
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
    QString working = u'*' + term.mid(1);
    double accumulator = 1;
    while (!working.isEmpty()) {
        const qsizetype end = NextFactorStart(working);
        const double operand = ReadNumber(QStringView(working).sliced(1, end - 1));
        if (!std::isfinite(operand))
            return EvalResult::Abort(OutOfRange);
        if (working.front() == u'*') {
            accumulator *= operand;
        } else {
            if (operand == 0)
                return EvalResult::Abort(DivisionByZero);
            accumulator /= operand;
        }
        if (!std::isfinite(accumulator))
            return EvalResult::Abort(OutOfRange);
        working.remove(0, end);
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
        sum += value.Value;
        if (!std::isfinite(sum))
            return EvalResult::Abort(OutOfRange);
    }
    return EvalResult::Of(sum);
}

EvalResult EvalBrackets(const QString &text)
{
    QString working = text;
    BracketGroup group;
    for (;;) {
        switch (FindInnermostGroup(working, group)) {
        case BracketScan::None:
            return EvalSum(working);
        case BracketScan::Error:
            return EvalResult::BadBrackets();
        case BracketScan::Group:
            break;
        }
        const QString groupText = working.mid(group.Open, group.Close - group.Open + 1);
        const EvalResult inner = EvalSum(groupText.mid(1, groupText.size() - 2));
        if (!inner.hasValue())
            return inner;
        const QString valueText = NumberText(inner.Value);
        if (!std::isfinite(ReadNumber(valueText)))
            return EvalResult::Abort(OutOfRange);
        working.replace(groupText, valueText);
    }
}
