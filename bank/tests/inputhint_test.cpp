// SPDX-License-Identifier: GPL-3.0-or-later
#include "answercheck.h"
#include "inputhint.h"
#include "testprint.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct HintCase {
    QString line;
    bool inputMethod; ///< holds characters an input method types for ASCII ones
};

void PrintTo(const HintCase &c, std::ostream *out)
{
    *out << c.line.toStdString();
}

class InputMethodLine : public testing::TestWithParam<HintCase> {};

TEST_P(InputMethodLine, IsRecognised)
{
    EXPECT_EQ(HasInputMethodCharacters(GetParam().line), GetParam().inputMethod);
}

// The judge keeps reading these lines as it always has: each of them, meant as 12, is wrong,
// and the hint is what tells the pupil why.
TEST(InputMethodLine, JudgingIsUnchanged)
{
    for (const QString &line :
         {u"（5+7）"_s, u"１２"_s, u"24÷2"_s, u"x＝12"_s, u"3×4"_s, u"3＊4"_s, u"6＋6"_s}) {
        EXPECT_FALSE(CheckAnswer(line, u"12"_s).right) << line.toStdString();
        EXPECT_FALSE(GradeRow(line, u"12"_s).right) << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(FullWidth, InputMethodLine,
                         testing::Values(HintCase{u"（5+7）"_s, true}, HintCase{u"１２"_s, true},
                                         HintCase{u"24÷2"_s, true}, HintCase{u"x＝12"_s, true},
                                         HintCase{u"3×4"_s, true}, HintCase{u"3＊4"_s, true},
                                         HintCase{u"24／2"_s, true}, HintCase{u"13－1"_s, true},
                                         HintCase{u"ｘ+1=13"_s, true}, HintCase{u"6＋6"_s, true},
                                         HintCase{u"12　"_s, true}, HintCase{u"1２。0"_s, true},
                                         HintCase{u"48：4"_s, true}, HintCase{u"46﹢18"_s, true},
                                         HintCase{u"46﹣18"_s, true}, HintCase{u"46–18"_s, true}));

INSTANTIATE_TEST_SUITE_P(Ascii, InputMethodLine,
                         testing::Values(HintCase{u"(5+7)"_s, false}, HintCase{u"x=12"_s, false},
                                         HintCase{u"3*4"_s, false}, HintCase{u"3:4"_s, false},
                                         HintCase{u"75%"_s, false}, HintCase{QString(), false},
                                         HintCase{u"十二"_s, false}, HintCase{u"12个"_s, false}));

struct PracticeHintCase {
    QString answer;
    QString line;
    QString hint;
    QString problem = u"一共有多少？&"_s;
};

void PrintTo(const PracticeHintCase &c, std::ostream *out)
{
    *out << c.line.toStdString() << " against " << c.answer.toStdString();
}

class PracticeHint : public testing::TestWithParam<PracticeHintCase> {};

TEST_P(PracticeHint, BesideTheVerdict)
{
    const ProblemRecord record{GetParam().problem, u"&"_s, GetParam().answer.leftJustified(10)};
    const bool right = CheckAnswer(GetParam().line, record).right;
    EXPECT_EQ(PracticeInputHint(GetParam().line, record, right), GetParam().hint);
}

const QString InputMethod = u"提示：请用英文输入法输入 + - * / ( ) 和数字"_s;
const QString DecimalComma = u"提示：小数点要用 . 输入"_s;
const QString AsksPercent = u"一个台灯原价80元，现在卖60元，现价是原价的百分之几？&"_s;

INSTANTIATE_TEST_SUITE_P(InputMethodAndComma, PracticeHint,
                         testing::Values(PracticeHintCase{u"12"_s, u"3×4"_s, InputMethod},
                                         PracticeHintCase{u"64"_s, u"46＋18"_s, InputMethod},
                                         PracticeHintCase{u"28"_s, u"46－18"_s, InputMethod},
                                         PracticeHintCase{u"0.55"_s, u"0,55"_s, DecimalComma},
                                         PracticeHintCase{u"1.1"_s, u"0,55*2"_s, DecimalComma},
                                         PracticeHintCase{u"12"_s, u"3,"_s, QString()},
                                         PracticeHintCase{u"12"_s, u"3*5"_s, QString()},
                                         PracticeHintCase{u"12"_s, u"3*4"_s, QString()}));

// The pupil's own first case is quoted: a number, x or a bracket group on either side.
INSTANTIATE_TEST_SUITE_P(
    LeftOutTimes, PracticeHint,
    testing::Values(
        PracticeHintCase{u"9"_s, u"4x-x=27"_s, u"提示：乘号不能省略，4x 要写成 4*x"_s},
        PracticeHintCase{u"20000"_s, u"(1+15%)x=23000"_s,
                         u"提示：乘号不能省略，(1+15%)x 要写成 (1+15%)*x"_s},
        PracticeHintCase{u"4"_s, u"3(x+5)=27"_s, u"提示：乘号不能省略，3(x+5) 要写成 3*(x+5)"_s},
        PracticeHintCase{u"2"_s, u"x(x+1)=6"_s, u"提示：乘号不能省略，x(x+1) 要写成 x*(x+1)"_s},
        PracticeHintCase{u"2"_s, u"xx=4"_s, u"提示：乘号不能省略，xx 要写成 x*x"_s},
        PracticeHintCase{u"6"_s, u"0.5x=3"_s, u"提示：乘号不能省略，0.5x 要写成 0.5*x"_s},
        PracticeHintCase{u"21"_s, u"(1+2)(3+4)"_s,
                         u"提示：乘号不能省略，(1+2)(3+4) 要写成 (1+2)*(3+4)"_s},
        PracticeHintCase{u"2"_s, u"(100+200+300)x=1200"_s,
                         u"提示：乘号不能省略，(…)x 要写成 (…)*x"_s},
        PracticeHintCase{u"9"_s, u"4*x-x=27"_s, QString()},
        PracticeHintCase{u"12"_s, u"12"_s, QString()}));

// A bare number for a question that asks 百分之几, right once it is a percentage.
INSTANTIATE_TEST_SUITE_P(
    PercentSign, PracticeHint,
    testing::Values(PracticeHintCase{u"0.75"_s, u"75"_s, u"提示：百分数要写成 75%"_s, AsksPercent},
                    PracticeHintCase{u"0.125"_s, u" 12.5 "_s, u"提示：百分数要写成 12.5%"_s,
                                     AsksPercent},
                    PracticeHintCase{u"0.75"_s, u"70"_s, QString(), AsksPercent},
                    PracticeHintCase{u"0.75"_s, u"60/80"_s, QString(), AsksPercent},
                    PracticeHintCase{u"0.75"_s, u"75"_s, QString()}));

// One hint at a time: an input method before a decimal comma before a left-out sign.
INSTANTIATE_TEST_SUITE_P(Precedence, PracticeHint,
                         testing::Values(PracticeHintCase{u"9"_s, u"4x－x=27"_s, InputMethod},
                                         PracticeHintCase{u"6"_s, u"0,5x=3"_s, DecimalComma},
                                         PracticeHintCase{u"0.75"_s, u"７５"_s, InputMethod,
                                                          AsksPercent}));

TEST(PracticeInputHint, OnlyBesideAWrongVerdict)
{
    const ProblemRecord record{u"一共有多少？&"_s, u"&"_s, u"12        "_s};
    EXPECT_TRUE(PracticeInputHint(u"3×4"_s, record, true).isEmpty());
    EXPECT_TRUE(PracticeInputHint(u"3(4)"_s, record, true).isEmpty());
}

TEST(PaperInputHint, ShowsTheFirstKindAndNamesEveryRowThatHasIt)
{
    const AnswerHint none;
    const AnswerHint inputMethod{HintKind::InputMethod, {}, {}};
    const AnswerHint times{HintKind::LeftOutTimes, u"4x"_s, u"4*x"_s};
    const AnswerHint laterTimes{HintKind::LeftOutTimes, u"3(x+5)"_s, u"3*(x+5)"_s};
    const AnswerHint percent{HintKind::PercentSign, u"75"_s, u"75%"_s};
    EXPECT_EQ(PaperInputHint({none, inputMethod, times, inputMethod}),
              u"提示：第2、4题请用英文输入法输入 + - * / ( ) 和数字"_s);
    EXPECT_EQ(PaperInputHint({percent, times, none, laterTimes}),
              u"提示：第2、4题乘号不能省略，4x 要写成 4*x"_s);
    EXPECT_EQ(PaperInputHint({none, percent}), u"提示：第2题百分数要写成 75%"_s);
    EXPECT_EQ(PaperInputHint({none, {HintKind::DecimalComma, {}, {}}}),
              u"提示：第2题小数点要用 . 输入"_s);
}

TEST(PaperInputHint, EmptyWhenNoRowHasAHint)
{
    EXPECT_TRUE(PaperInputHint({AnswerHint{}, AnswerHint{}}).isEmpty());
    EXPECT_TRUE(PaperInputHint({}).isEmpty());
}

} // namespace
