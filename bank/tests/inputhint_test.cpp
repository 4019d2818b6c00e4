// SPDX-License-Identifier: GPL-3.0-or-later
#include "answercheck.h"
#include "inputhint.h"
#include "testprint.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct HintCase {
    QString Line;
    bool InputMethod; ///< holds characters an input method types for ASCII ones
};

void PrintTo(const HintCase &c, std::ostream *out)
{
    *out << c.Line.toStdString();
}

class InputMethodLine : public testing::TestWithParam<HintCase> {};

TEST_P(InputMethodLine, IsRecognised)
{
    EXPECT_EQ(HasInputMethodCharacters(GetParam().Line), GetParam().InputMethod);
}

// The judge keeps reading these lines as it always has: each of them, meant as 12, is wrong,
// and the hint is what tells the pupil why.
TEST(InputMethodLine, JudgingIsUnchanged)
{
    for (const QString &line :
         {u"（5+7）"_s, u"１２"_s, u"24÷2"_s, u"x＝12"_s, u"3×4"_s, u"3＊4"_s, u"6＋6"_s}) {
        EXPECT_FALSE(CheckAnswer(line, u"12"_s).Right) << line.toStdString();
        EXPECT_FALSE(GradeRow(line, u"12"_s).Right) << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(FullWidth, InputMethodLine,
                         testing::Values(HintCase{u"（5+7）"_s, true}, HintCase{u"１２"_s, true},
                                         HintCase{u"24÷2"_s, true}, HintCase{u"x＝12"_s, true},
                                         HintCase{u"3×4"_s, true}, HintCase{u"3＊4"_s, true},
                                         HintCase{u"24／2"_s, true}, HintCase{u"13－1"_s, true},
                                         HintCase{u"ｘ+1=13"_s, true}, HintCase{u"6＋6"_s, true},
                                         HintCase{u"12　"_s, true}, HintCase{u"1２。0"_s, true},
                                         HintCase{u"48：4"_s, true}));

INSTANTIATE_TEST_SUITE_P(Ascii, InputMethodLine,
                         testing::Values(HintCase{u"(5+7)"_s, false}, HintCase{u"x=12"_s, false},
                                         HintCase{u"3*4"_s, false}, HintCase{u"3:4"_s, false},
                                         HintCase{u"75%"_s, false}, HintCase{QString(), false},
                                         HintCase{u"十二"_s, false}, HintCase{u"12个"_s, false}));

TEST(PracticeInputHint, OnlyBesideAWrongVerdict)
{
    EXPECT_EQ(PracticeInputHint(u"3×4", false), u"提示：请用英文输入法输入 * / ( ) 和数字"_s);
    EXPECT_TRUE(PracticeInputHint(u"3×4", true).isEmpty());
    EXPECT_TRUE(PracticeInputHint(u"3*5", false).isEmpty());
}

TEST(PaperInputHint, NamesTheWrongRowsThatHoldInputMethodCharacters)
{
    const QStringList answers{u"3*4"_s, u"（5+7）"_s, u"12"_s, u"１２"_s, u"3×4"_s};
    const QList<bool> right{true, false, false, false, true};
    EXPECT_EQ(PaperInputHint(answers, right), u"提示：第2、4题请用英文输入法输入 * / ( ) 和数字"_s);
}

TEST(PaperInputHint, EmptyWhenNoWrongRowHoldsThem)
{
    EXPECT_TRUE(PaperInputHint({u"3*4"_s, u"x"_s}, {false, false}).isEmpty());
    EXPECT_TRUE(PaperInputHint({u"3×4"_s}, {true}).isEmpty());
    EXPECT_TRUE(PaperInputHint({}, {}).isEmpty());
}

} // namespace
