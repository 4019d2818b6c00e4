// SPDX-License-Identifier: GPL-3.0-or-later
#include "answercheck.h"
#include "testprint.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct JudgeCase {
    QString answer; ///< the stored AnswerText, padded as in a bank
    QString line;
    bool right;
    int bracketErrors = 0;
};

void PrintTo(const JudgeCase &c, std::ostream *out)
{
    *out << c.line.toStdString() << " against " << c.answer.toStdString();
}

QString Stored(const QString &answer)
{
    return answer.leftJustified(10, u' ');
}

class PracticeCheck : public testing::TestWithParam<JudgeCase> {};

TEST_P(PracticeCheck, Verdict)
{
    const Verdict verdict = CheckAnswer(GetParam().line, Stored(GetParam().answer));
    EXPECT_EQ(verdict.right, GetParam().right);
    EXPECT_EQ(verdict.bracketErrors, GetParam().bracketErrors);
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, PracticeCheck,
    testing::Values(JudgeCase{u"12"_s, u"3*4"_s, true}, JudgeCase{u"12"_s, u"12"_s, true},
                    JudgeCase{u"12"_s, u"(5+7)"_s, true}, JudgeCase{u"12"_s, u"24/2"_s, true},
                    JudgeCase{u"12"_s, u"3*5"_s, false}, JudgeCase{u"12"_s, u"3×4"_s, false},
                    JudgeCase{u"12"_s, u""_s, false}, JudgeCase{u"12"_s, u"   "_s, false},
                    JudgeCase{u"12"_s, u"(3*4"_s, false, 1}, JudgeCase{u"0.75"_s, u"3/4"_s, true},
                    JudgeCase{u"0.75"_s, u"3:4"_s, true}, JudgeCase{u"0.75"_s, u"75%"_s, true},
                    JudgeCase{u"0.75"_s, u"0.7"_s, false},
                    JudgeCase{u"0.33333333"_s, u"1/3"_s, false},
                    JudgeCase{u"0.3"_s, u"0.1+0.2"_s, true}, JudgeCase{u"5"_s, u"(5/3)*3"_s, true},
                    JudgeCase{u"1"_s, u"(1/3)*3"_s, true}, JudgeCase{u"27"_s, u"45-18"_s, true},
                    JudgeCase{u"4"_s, u"2*(3-5)+8"_s, true}));

// A percentage keeps its value wherever it stands, as in the textbook.
INSTANTIATE_TEST_SUITE_P(Percentages, PracticeCheck,
                         testing::Values(JudgeCase{u"120"_s, u"96/80%"_s, true},
                                         JudgeCase{u"0.75"_s, u"3*25%"_s, true},
                                         JudgeCase{u"120"_s, u"96/80 %"_s, true},
                                         JudgeCase{u"120"_s, u"x*80%=96"_s, true},
                                         JudgeCase{u"0.08"_s, u"(3+5)%"_s, true},
                                         JudgeCase{u"105"_s, u"100*(1+5%)"_s, true},
                                         JudgeCase{u"0.125"_s, u"12.5%"_s, true},
                                         JudgeCase{u"0.75"_s, u"(75%"_s, false, 1}));

INSTANTIATE_TEST_SUITE_P(
    Equations, PracticeCheck,
    testing::Values(JudgeCase{u"12"_s, u"x=12"_s, true}, JudgeCase{u"12"_s, u"3*x=36"_s, true},
                    JudgeCase{u"12"_s, u"x/3+1=5"_s, true}, JudgeCase{u"12"_s, u"3x=36"_s, false},
                    JudgeCase{u"12"_s, u"X=12"_s, false}, JudgeCase{u"12"_s, u"x=x"_s, true},
                    JudgeCase{u"12"_s, u"2=2"_s, true}, JudgeCase{u"12"_s, u"x=12=5"_s, true},
                    JudgeCase{u"12"_s, u"x=13"_s, false}, JudgeCase{u"2.5"_s, u"2*x=5"_s, true},
                    JudgeCase{u"2.5"_s, u"x=2"_s, false}, JudgeCase{u"2.5"_s, u"x=3"_s, false},
                    JudgeCase{u"0.75"_s, u"x=1"_s, false}, JudgeCase{u"0.75"_s, u"x=3:4"_s, true},
                    JudgeCase{u"50000"_s, u"x*2=100000"_s, true},
                    JudgeCase{u"50000"_s, u"x*2=100001"_s, false},
                    JudgeCase{u"12"_s, u"(x=12"_s, false, 1},
                    JudgeCase{u"12"_s, u"(x=(12"_s, false, 2},
                    JudgeCase{u"12"_s, u"x=12)"_s, false, 1}));

// A ratio is the quotient of its two terms, each a product or quotient: the textbook's own
// lines for proportions and map scales.
INSTANTIATE_TEST_SUITE_P(Ratios, PracticeCheck,
                         testing::Values(JudgeCase{u"24"_s, u"x:(44-x)=1/5:1/6"_s, true},
                                         JudgeCase{u"180"_s, u"x:(340-x)=3/4:2/3"_s, true},
                                         JudgeCase{u"0.00000025"_s, u"1:40*100000"_s, true},
                                         JudgeCase{u"1.2"_s, u"1/5:1/6"_s, true},
                                         JudgeCase{u"1.25"_s, u"1+2:4*2"_s, true},
                                         JudgeCase{u"0.00000025"_s, u"1:40"_s, false},
                                         JudgeCase{u"18.75"_s, u"x:15=75:60"_s, true},
                                         JudgeCase{u"40"_s, u"24:3=x:5"_s, true},
                                         JudgeCase{u"5"_s, u"2*10:4"_s, true},
                                         JudgeCase{u"0.75"_s, u"(3:4"_s, false, 1}));

// An evaluation that aborts never makes an answer right, whatever came before it.
INSTANTIATE_TEST_SUITE_P(Aborts, PracticeCheck,
                         testing::Values(JudgeCase{u"0"_s, u"5/0"_s, false},
                                         JudgeCase{u"12"_s, u"x/0=1"_s, false},
                                         JudgeCase{u"0"_s, u"1E300*1E300-1E300*1E300"_s, false},
                                         JudgeCase{u"12"_s, u"x=x/0"_s, false}));

INSTANTIATE_TEST_SUITE_P(UnreadableStoredAnswer, PracticeCheck,
                         testing::Values(JudgeCase{u"25%"_s, u"0.25"_s, false},
                                         JudgeCase{u"3/4"_s, u"3/4"_s, false},
                                         JudgeCase{u""_s, u"0"_s, false},
                                         JudgeCase{u"abc"_s, u"x=x"_s, false}));

TEST(PracticeCheck, AbortLeavesNothingForTheNextAnswer)
{
    ASSERT_TRUE(CheckAnswer(u"3*4"_s, Stored(u"12"_s)).right);
    EXPECT_FALSE(CheckAnswer(u"5/0"_s, Stored(u"12"_s)).right);
    EXPECT_FALSE(CheckAnswer(u"1/0"_s, Stored(u"12"_s)).right);
}

class TestRow : public testing::TestWithParam<JudgeCase> {};

TEST_P(TestRow, Verdict)
{
    const Verdict verdict = GradeRow(GetParam().line, Stored(GetParam().answer));
    EXPECT_EQ(verdict.right, GetParam().right);
    EXPECT_EQ(verdict.bracketErrors, GetParam().bracketErrors);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TestRow,
    testing::Values(JudgeCase{u"0.75"_s, u"3:4"_s, true}, JudgeCase{u"0.25"_s, u"25%"_s, true},
                    JudgeCase{u"25%"_s, u"0.25"_s, true}, JudgeCase{u"3/4"_s, u"0.75"_s, true},
                    JudgeCase{u"0.333"_s, u"1/3"_s, false}, JudgeCase{u"60"_s, u"(12+8)*3"_s, true},
                    JudgeCase{u"0.3"_s, u"0.1+0.2"_s, true}, JudgeCase{u"5"_s, u"(5/3)*3"_s, true},
                    JudgeCase{u"12"_s, u""_s, false}, JudgeCase{u"0"_s, u""_s, true},
                    JudgeCase{u"12"_s, u"(3*4"_s, false, 1}, JudgeCase{u"0"_s, u"(3*4"_s, true, 1},
                    JudgeCase{u"12"_s, u"12/0"_s, false}, JudgeCase{u"0"_s, u"1/0"_s, false},
                    JudgeCase{u"27"_s, u"45-18"_s, true}, JudgeCase{u"-4"_s, u"2*(3-5)"_s, true}));

// A row with "=" is an equation, judged as in practice: a wrong result after "=" is wrong.
INSTANTIATE_TEST_SUITE_P(
    Equations, TestRow,
    testing::Values(JudgeCase{u"53"_s, u"128-75=99"_s, false},
                    JudgeCase{u"53"_s, u"128-75=53"_s, true},
                    JudgeCase{u"64"_s, u"x=46+18"_s, true}, JudgeCase{u"64"_s, u"46+18=x"_s, true},
                    JudgeCase{u"12"_s, u"x=12"_s, true}, JudgeCase{u"12"_s, u"3*x=36"_s, true},
                    JudgeCase{u"12"_s, u"x=13"_s, false}, JudgeCase{u"25%"_s, u"x*4=1"_s, true},
                    JudgeCase{u"0.75"_s, u"x=3:4"_s, true}, JudgeCase{u"0"_s, u"(x=0"_s, false, 1},
                    JudgeCase{u"12"_s, u"x=12/0"_s, false}, JudgeCase{u"abc"_s, u"x=x"_s, false}));

INSTANTIATE_TEST_SUITE_P(Ratios, TestRow,
                         testing::Values(JudgeCase{u"0.00000025"_s, u"1:40*100000"_s, true},
                                         JudgeCase{u"1.2"_s, u"1/5:1/6"_s, true},
                                         JudgeCase{u"0.0000025"_s, u"1:40*100000"_s, false},
                                         JudgeCase{u"5"_s, u"20:4"_s, true}));

// A damaged bank's answer is never taken for 0: the row is wrong whatever is typed, and the
// pupil is not told of bracket errors that are the bank's.
INSTANTIATE_TEST_SUITE_P(
    UnreadableStoredAnswer, TestRow,
    testing::Values(JudgeCase{u"abc"_s, u"0"_s, false}, JudgeCase{u"abc"_s, u""_s, false},
                    JudgeCase{u""_s, u""_s, false}, JudgeCase{u""_s, u"0"_s, false},
                    JudgeCase{u"1.2.3"_s, u"1.2"_s, false}, JudgeCase{u"(3"_s, u"0"_s, false},
                    JudgeCase{u"(3"_s, u"3"_s, false}, JudgeCase{u"1/0"_s, u"0"_s, false},
                    JudgeCase{u"12\u0000"_s, u"12"_s, false},
                    JudgeCase{QString(10, QChar::Null), u""_s, false},
                    JudgeCase{u"1E2"_s, u"100"_s, false}, JudgeCase{u"x"_s, u"0"_s, false}));

TEST(StoredAnswerValue, ReadsArithmeticOnPlainNumbers)
{
    EXPECT_EQ(StoredAnswerValue(u"12        "_s), 12);
    EXPECT_EQ(StoredAnswerValue(u" 0.5"_s), 0.5);
    EXPECT_EQ(StoredAnswerValue(u"25%"_s), 0.25);
    EXPECT_EQ(StoredAnswerValue(u"3/4"_s), 0.75);
    EXPECT_EQ(StoredAnswerValue(u"-4"_s), -4);
    EXPECT_EQ(StoredAnswerValue(u"abc"_s), std::nullopt);
    EXPECT_EQ(StoredAnswerValue(u"          "_s), std::nullopt);
}

TEST(PercentAsFraction, WrapsTheNumberBeforeEachSign)
{
    EXPECT_EQ(PercentAsFraction(u"25%"_s), u"(25/100)"_s);
    EXPECT_EQ(PercentAsFraction(u"96/80%+1.5%"_s), u"96/(80/100)+(1.5/100)"_s);
    EXPECT_EQ(PercentAsFraction(u"(3+5)%"_s), u"(3+5)/100"_s);
    EXPECT_EQ(PercentAsFraction(u"%%"_s), u"/100/100"_s);
    EXPECT_EQ(PercentAsFraction(u"25%       "_s), u"(25/100)       "_s);
}

TEST(ValuesEqual, ToleratesOnlyFloatingPointNoise)
{
    EXPECT_TRUE(ValuesEqual(0.1 + 0.2, 0.3));
    EXPECT_TRUE(ValuesEqual(1e20, 1e20 * (1 + 1e-13)));
    EXPECT_FALSE(ValuesEqual(1e20, 1e20 * (1 + 1e-11)));
    EXPECT_FALSE(ValuesEqual(0, 1e-11));
    EXPECT_FALSE(ValuesEqual(2.5, 2));
}

} // namespace
