// SPDX-License-Identifier: GPL-3.0-or-later
#include "narration.h"
#include "problemrecord.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(SpeakableText, ReadsArithmeticAsWords)
{
    EXPECT_EQ(SpeakableText(u"列式：45-18=27（本）。"_s), u"列式：45减18等于27本。"_s);
    EXPECT_EQ(SpeakableText(u"(和+差)/2=大数"_s), u"和加差，除以2等于大数"_s);
    EXPECT_EQ(SpeakableText(u"120/(1+20%)"_s), u"120除以括号1加百分之20，"_s);
    EXPECT_EQ(SpeakableText(u"有几本？。答：，"_s), u"有几本？答："_s);
    EXPECT_EQ(SpeakableText(u"3*4/2+25%"_s), u"3乘4除以2加百分之25"_s);
    EXPECT_EQ(SpeakableText(u"3:4"_s), u"3比4"_s);
}

TEST(NarrationText, IntroductionExamplesAndClosingWords)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tm1.dat"_s);
    QFile bank(path);
    ASSERT_TRUE(bank.open(QIODevice::WriteOnly));
    bank.write(EncodeProblemRecord(u"加减应用题"_s, u"关系"_s, {}).Bytes);
    bank.write(EncodeProblemRecord(u"一共几个？"_s, u"列式：1+2=3"_s, u"3"_s).Bytes);
    bank.write(EncodeProblemRecord(u"最后一题？"_s, u"解"_s, u"1"_s).Bytes);
    bank.close();
    EXPECT_EQ(NarrationText(path, 1, 3), u"加减应用题关系"_s);
    EXPECT_EQ(NarrationText(path, 2, 3), u"例题1。一共几个？列式：1加2等于3"_s);
    EXPECT_EQ(NarrationText(path, 3, 3), u"例题讲解结束"_s);
}

} // namespace
