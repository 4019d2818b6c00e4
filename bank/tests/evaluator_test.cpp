// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator.h"
#include "testprint.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString Repeated(const QString &piece, int times, const QString &joiner)
{
    QStringList pieces;
    for (int i = 0; i < times; ++i)
        pieces.append(piece);
    return pieces.join(joiner);
}

struct ValueCase {
    QString text;
    double expected;
};

class EvaluatesTo : public testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatesTo, Value)
{
    const EvalResult result = EvalBrackets(GetParam().text);
    ASSERT_EQ(result.outcome, EvalOutcome::Value) << GetParam().text.toStdString();
    EXPECT_DOUBLE_EQ(result.value, GetParam().expected) << GetParam().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, EvaluatesTo,
                         testing::Values(ValueCase{u"2+3*4"_s, 14}, ValueCase{u"(2+3)*4"_s, 20},
                                         ValueCase{u"8/4*2"_s, 4}, ValueCase{u"-5+8"_s, 3},
                                         ValueCase{u"5"_s, 5}, ValueCase{u""_s, 0},
                                         ValueCase{u"()"_s, 0}, ValueCase{u"((1+2))"_s, 3},
                                         ValueCase{u"(1+2)*(1+2)"_s, 9}, ValueCase{u"1/3*3"_s, 1},
                                         ValueCase{u"3 * 4"_s, 12}, ValueCase{u"1 2+1"_s, 13},
                                         ValueCase{u"3×4"_s, 3}, ValueCase{u"(12+8)*3"_s, 60},
                                         ValueCase{u"x"_s, 0}, ValueCase{u"12=5"_s, 12}));

// A sign that follows an operator belongs to its number; a negative bracket value keeps
// its sign when it is written back into the text.
INSTANTIATE_TEST_SUITE_P(UnaryMinus, EvaluatesTo,
                         testing::Values(ValueCase{u"2*(3-5)"_s, -4}, ValueCase{u"3--2"_s, 5},
                                         ValueCase{u"3-(-2)"_s, 5}, ValueCase{u"2*-3"_s, -6},
                                         ValueCase{u"2 * - 3"_s, -6}, ValueCase{u"(3-5)*2"_s, -4},
                                         ValueCase{u"-(2+3)"_s, -5}, ValueCase{u"6/-2"_s, -3},
                                         ValueCase{u"2+-3"_s, -1}, ValueCase{u"-2*-3"_s, 6},
                                         ValueCase{u"5-(3-5)"_s, 7}, ValueCase{u" -5+8"_s, 3},
                                         ValueCase{u"10-(2-(1-4))"_s, 5}));

INSTANTIATE_TEST_SUITE_P(ExponentForm, EvaluatesTo,
                         testing::Values(ValueCase{u"(1E+20)"_s, 1e20},
                                         ValueCase{u"5*(1E+20)"_s, 5e20},
                                         ValueCase{u"(100000*100000*100000*100000)+1"_s, 1e20 + 1},
                                         ValueCase{u"1E+20-1E+20"_s, 0},
                                         ValueCase{u"(1/100000)*2"_s, 2e-5},
                                         ValueCase{u"2E3+1"_s, 2001}, ValueCase{u"2D2"_s, 200}));

TEST(EvalBrackets, BracketValueIsWrittenBackWithFifteenDigits)
{
    const EvalResult result = EvalBrackets(u"(1/3)*3"_s);
    ASSERT_TRUE(result.hasValue());
    EXPECT_EQ(result.value, 0.999999999999999);
}

TEST(EvalBrackets, TermCountHasNoLimit)
{
    EXPECT_EQ(EvalBrackets(Repeated(u"1"_s, 20, u"+"_s)).value, 20);
    EXPECT_EQ(EvalBrackets(Repeated(u"1"_s, 21, u"+"_s)).value, 21);
    EXPECT_EQ(EvalBrackets(Repeated(u"1"_s, 5000, u"+"_s)).value, 5000);
}

TEST(EvalBrackets, UnmatchedBracketsAreReported)
{
    for (const QString &text : {u"(2+3"_s, u"2+3)"_s, u")2+3("_s, u"(3*4"_s, u"((1)"_s}) {
        const EvalResult result = EvalBrackets(text);
        EXPECT_EQ(result.outcome, EvalOutcome::BracketError) << text.toStdString();
        EXPECT_EQ(result.value, 0);
    }
}

TEST(EvalBrackets, AbortsWithoutValue)
{
    const QString cases[] = {u"5/0"_s,        u"5/(2-2)"_s,     u"1E300*1E300"_s, u"1E400"_s,
                             u"(1E308*10)"_s, u"1E308+1E308"_s, u"0/0"_s,         u"-1E308*10"_s};
    for (const QString &text : cases) {
        const EvalResult result = EvalBrackets(text);
        EXPECT_EQ(result.outcome, EvalOutcome::Aborted) << text.toStdString();
        EXPECT_FALSE(result.abortReason.isEmpty());
    }
}

TEST(EvalBrackets, DeepNestingNeedsNoStack)
{
    const QString text =
        QString(2000, u'(') + u"1+1"_s + QString(2000, u')') + Repeated(u"+1"_s, 3000, QString());
    ASSERT_GE(text.size(), 10000);
    const EvalResult result = EvalBrackets(text);
    ASSERT_TRUE(result.hasValue());
    EXPECT_EQ(result.value, 3002);
}

TEST(EvalBrackets, LeavesCallersTextAlone)
{
    const QString text = u"(1+2)*3"_s;
    EvalBrackets(text);
    EXPECT_EQ(text, u"(1+2)*3"_s);
}

struct SplitCase {
    QString text;
    QStringList terms;
};

class SplitsInto : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitsInto, Terms)
{
    EXPECT_EQ(SplitTerms(GetParam().text), GetParam().terms);
}

INSTANTIATE_TEST_SUITE_P(Terms, SplitsInto,
                         testing::Values(SplitCase{u"3+4*2-1"_s, {u"+3"_s, u"+4*2"_s, u"-1"_s}},
                                         SplitCase{u""_s, {u"+"_s}},
                                         SplitCase{u"-5+8"_s, {u"-5"_s, u"+8"_s}},
                                         SplitCase{u"3--2"_s, {u"+3"_s, u"--2"_s}},
                                         SplitCase{u"2*-3+1"_s, {u"+2*-3"_s, u"+1"_s}},
                                         SplitCase{u"1E+20-2"_s, {u"+1E+20"_s, u"-2"_s}},
                                         SplitCase{u"1.5e-3+2"_s, {u"+1.5e-3"_s, u"+2"_s}}));

TEST(EvalTerm, SignIsAppliedToTheRoundedValue)
{
    EXPECT_EQ(EvalTerm(u"-2*3"_s).value, -6);
    EXPECT_EQ(EvalTerm(u"--2"_s).value, 2);
    EXPECT_EQ(EvalTerm(u"+1/3"_s).value, 0.333333333333333);
    EXPECT_EQ(EvalTerm(u"-1/3"_s).value, -0.333333333333333);
    EXPECT_EQ(EvalTerm(u"+"_s).value, 0);
}

/// An outcome as the recorded results write it: "V" and the value with 17 digits, "B" for
/// unmatched brackets, "A" and the reason for an abort.
QString OutcomeText(const EvalResult &result)
{
    switch (result.outcome) {
    case EvalOutcome::Value:
        return u"V "_s + QString::number(result.value, 'g', 17);
    case EvalOutcome::BracketError:
        return u"B"_s;
    case EvalOutcome::Aborted:
        break;
    }
    return u"A "_s + result.abortReason;
}

// Lines from the fuzzers' seeds, random bracketed lines and hand-picked corners (a value
// written in exponent form next to digits, groups side by side, the edge of the double
// range), each with the result the evaluator gave when it rewrote the text group by group.
// The one-pass evaluator gives every one of them unchanged.
TEST(EvalBrackets, GivesEachRecordedResult)
{
    QFile file(QStringLiteral(LUMARO_EVALUATOR_RESULTS));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray rows = QJsonDocument::fromJson(file.readAll()).array();
    ASSERT_GT(rows.size(), 1000);
    for (const QJsonValue &row : rows) {
        const QString line = row[0].toString();
        EXPECT_EQ(OutcomeText(EvalBrackets(line)), row[1].toString()) << line.toStdString();
    }
}

TEST(EvalBrackets, NestingAsDeepAsAPastedAnswer)
{
    const QString text = QString(50000, u'(') + u"1+1"_s + QString(50000, u')');
    EXPECT_EQ(EvalBrackets(text).value, 2);
    EXPECT_EQ(EvalBrackets(text + u')').outcome, EvalOutcome::BracketError);
    EXPECT_EQ(EvalBrackets(u'(' + text).outcome, EvalOutcome::BracketError);
}

} // namespace
