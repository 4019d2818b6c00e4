// SPDX-License-Identifier: GPL-3.0-or-later
#include "narration.h"
#include "problemrecord.h"
#include "spokennumber.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Reading {
    const char *Rule;
    QString Written;
    QString Spoken;
};

TEST(SpeakableText, ReadsArithmeticAsWords)
{
    const Reading cases[] = {
        {"signs", u"列式：45-18=27（本）。"_s, u"列式：45减18等于27本。"_s},
        {"opening bracket", u"(和+差)/2=大数"_s, u"和加差，除以2等于大数"_s},
        {"percent in brackets", u"120/(1+20%)"_s, u"120除以括号1加百分之二十，"_s},
        {"doubled pauses", u"有几本？。答：，"_s, u"有几本？答："_s},
        {"chain", u"3*4/2+25%"_s, u"3乘4除以2加百分之二十五"_s},
        {"ratio", u"3:4"_s, u"3比4"_s},
        {"ratio equation", u"24:3=x:5"_s, u"24比3等于x比5"_s},
        {"unknown", u"设x本，3*x=36"_s, u"设x本，3乘x等于36"_s},
        {"per unit", u"60（米/分）；80（千米/时）"_s, u"60米每分；80千米每时"_s},
        {"per unit in a text", u"速度是75米/分，"_s, u"速度是75米每分，"_s},
        {"quantity over quantity", u"路程/时间=速度"_s, u"路程除以时间等于速度"_s},
        {"remainder", u"52/6=8（条）……4（人）"_s, u"52除以6等于8条余4人"_s},
        {"ellipsis", u"还有……"_s, u"还有……"_s},
        {"named quantities", u"男生人数/全班人数"_s, u"男生人数除以全班人数"_s},
    };
    for (const Reading &c : cases)
        EXPECT_EQ(SpeakableText(c.Written), c.Spoken) << c.Rule;
}

TEST(SpeakableText, ReadsPercentagesAsATeacherDoes)
{
    const Reading cases[] = {
        {"whole", u"85%"_s, u"百分之八十五"_s},
        {"decimal", u"2.25%"_s, u"百分之二点二五"_s},
        {"one hundred", u"240/250*100%=96%"_s, u"240除以250乘百分之百等于百分之九十六"_s},
        {"ten", u"10%"_s, u"百分之十"_s},
        {"below one", u"0.5%"_s, u"百分之零点五"_s},
        {"above one hundred", u"120%"_s, u"百分之一百二十"_s},
    };
    for (const Reading &c : cases)
        EXPECT_EQ(SpeakableText(c.Written), c.Spoken) << c.Rule;
}

TEST(SpeakableText, ReadsFractionsAndDivisionsAsATeacherDoes)
{
    const Reading cases[] = {
        {"after 的", u"占全班人数的9/20。"_s, u"占全班人数的二十分之九。"_s},
        {"result", u"(25-20)/20=1/4。"_s, u"25减20，除以20等于四分之一。"_s},
        {"alone in brackets", u"90/(3/5)=150"_s, u"90除以五分之三等于150"_s},
        {"term of a difference", u"24*(1-3/8)=15"_s, u"24乘括号1减八分之三，等于15"_s},
        {"terms of a sum", u"1/(1/6+1/12)=4"_s, u"1除以括号六分之一加十二分之一，等于4"_s},
        {"bracketed after a sum", u"(1-(1/12+1/18)*4)/(1/18)"_s,
         u"1减括号十二分之一加十八分之一，乘4，除以十八分之一"_s},
        {"quotient", u"列式：144/8=18（元）"_s, u"列式：144除以8等于18元"_s},
        {"whole quotient in a sum", u"(360/15+15)*2"_s, u"360除以15加15，乘2"_s},
        {"ratio of a product", u"60*15/75=12"_s, u"60乘15除以75等于12"_s},
        {"chain of divisions", u"1/2/(1/20+1/30)"_s, u"1除以2除以括号二十分之一加三十分之一，"_s},
        {"decimal", u"14.4/180=0.08"_s, u"14.4除以180等于0.08"_s},
        {"percentage after", u"240/250*100%"_s, u"240除以250乘百分之百"_s},
        {"large denominator", u"约分得15/100"_s, u"约分得一百分之十五"_s},
    };
    for (const Reading &c : cases)
        EXPECT_EQ(SpeakableText(c.Written), c.Spoken) << c.Rule;
}

TEST(SpeakableText, ReadsTheFractionsTheProblemStates)
{
    const QStringList stated = StatedFractions(u"小明有邮票120张，小华的比小明的2/3多6张？"_s);
    EXPECT_EQ(stated, QStringList{u"2/3"_s});
    EXPECT_EQ(SpeakableText(u"120*2/3+6=86"_s, stated), u"120乘三分之二加6等于86"_s);
    EXPECT_EQ(SpeakableText(u"120*2/3+6=86"_s), u"120乘2除以3加6等于86"_s);
}

TEST(SpeakableProblem, ReadsEveryFractionOfTheText)
{
    const Reading cases[] = {
        {"after 的", u"小明看了一本书的3/5，正好是90页？"_s,
         u"小明看了一本书的五分之三，正好是90页？"_s},
        {"whole over whole", u"降价1/6后卖2500元？"_s, u"降价六分之一后卖2500元？"_s},
        {"improper", u"甲是乙的4/2？"_s, u"甲是乙的二分之四？"_s},
        {"percentage", u"年利率是1.75%？"_s, u"年利率是百分之一点七五？"_s},
        {"speed", u"每小时行60千米？"_s, u"每小时行60千米？"_s},
    };
    for (const Reading &c : cases)
        EXPECT_EQ(SpeakableProblem(c.Written), c.Spoken) << c.Rule;
}

TEST(ChineseNumberWords, ReadsNumbersAsATeacherDoes)
{
    const struct {
        QString Digits;
        QString Words;
    } cases[] = {
        {u"0"_s, u"零"_s},
        {u"7"_s, u"七"_s},
        {u"10"_s, u"十"_s},
        {u"12"_s, u"十二"_s},
        {u"20"_s, u"二十"_s},
        {u"105"_s, u"一百零五"_s},
        {u"110"_s, u"一百一十"_s},
        {u"1005"_s, u"一千零五"_s},
        {u"1050"_s, u"一千零五十"_s},
        {u"12000"_s, u"一万二千"_s},
        {u"10050"_s, u"一万零五十"_s},
        {u"100000"_s, u"十万"_s},
        {u"2.25"_s, u"二点二五"_s},
        {u"0.5"_s, u"零点五"_s},
        {u"100000005"_s, u"一亿零五"_s},
        {u"3/4"_s, u"3/4"_s},
        {u""_s, u""_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChineseNumberWords(c.Digits), c.Words) << c.Digits.toStdString();
}

TEST(NarrationText, IntroductionExamplesAndClosingWords)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tm1.dat"_s);
    QFile bank(path);
    ASSERT_TRUE(bank.open(QIODevice::WriteOnly));
    bank.write(EncodeProblemRecord(u"加减应用题"_s, u"关系"_s, {}).Bytes);
    bank.write(EncodeProblemRecord(u"一共几个？"_s, u"列式：1+2=3"_s, u"3"_s).Bytes);
    bank.write(EncodeProblemRecord(u"看了全书的3/5，是90页，全书几页？"_s,
                                   u"全书页数*3/5=90。列式：90/(3/5)=150（页）。"_s, u"150"_s)
                   .Bytes);
    bank.write(EncodeProblemRecord(u"最后一题？"_s, u"解"_s, u"1"_s).Bytes);
    bank.close();
    EXPECT_EQ(NarrationText(path, 1, 4), u"加减应用题关系"_s);
    EXPECT_EQ(NarrationText(path, 2, 4), u"例题1。一共几个？列式：1加2等于3"_s);
    EXPECT_EQ(NarrationText(path, 3, 4),
              u"例题2。看了全书的五分之三，是90页，全书几页？"
              "全书页数乘五分之三等于90。列式：90除以五分之三等于150页。"_s);
    EXPECT_EQ(NarrationText(path, 4, 4), u"例题讲解结束"_s);
}

} // namespace
