// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/// How an evaluation ended.
enum class EvalOutcome {
    Value,        ///< a value was computed
    BracketError, ///< unmatched brackets: the window shows "表达式错误"; the value reads as 0
    Aborted,      ///< division by zero or a value beyond the double range: no value at all
};

struct EvalResult {
    EvalOutcome outcome = EvalOutcome::Value;
    double value = 0; ///< 0 unless outcome is value
    QString abortReason;

    bool hasValue() const { return outcome == EvalOutcome::Value; }
    static EvalResult Of(double value) { return {EvalOutcome::Value, value, {}}; }
    static EvalResult Abort(const QString &reason) { return {EvalOutcome::Aborted, 0, reason}; }
    static EvalResult BadBrackets() { return {EvalOutcome::BracketError, 0, {}}; }
};

/// Value of an arithmetic text with + - * / and round brackets. Each group is replaced, as
/// it closes, by its value written with NumberText, and the text around it is read with that
/// number in its place. One pass over the text, in time linear in its length; never throws;
/// never recurses, so deep nesting is safe.
EvalResult EvalBrackets(const QString &text);

/// Sum of the signed terms of a bracket-free text.
EvalResult EvalSum(const QString &text);

/// Splits a bracket-free text into signed terms ("3+4*2-1" gives "+3", "+4*2", "-1"). A sign
/// that follows an operator or an exponent letter belongs to the number ("2*-3" is one term).
QStringList SplitTerms(const QString &text);

/// Value of one signed term, its products and quotients taken from left to right, rounded
/// to 15 significant digits before its sign is applied.
EvalResult EvalTerm(const QString &term);
