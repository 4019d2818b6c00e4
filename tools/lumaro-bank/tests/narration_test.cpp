// SPDX-License-Identifier: GPL-3.0-or-later
#include "narration.h"
#include "problemrecord.h"
#include "readings.h"
#include "spokennumber.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Reading {
    const char *rule;
    QString written;
    QString spoken;
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
        EXPECT_EQ(SpeakableText(c.written), c.spoken) << c.rule;
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
        EXPECT_EQ(SpeakableText(c.written), c.spoken) << c.rule;
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
        EXPECT_EQ(SpeakableText(c.written), c.spoken) << c.rule;
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
        EXPECT_EQ(SpeakableProblem(c.written), c.spoken) << c.rule;
}

TEST(ChineseNumberWords, ReadsNumbersAsATeacherDoes)
{
    const struct {
        QString digits;
        QString words;
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
        EXPECT_EQ(ChineseNumberWords(c.digits), c.words) << c.digits.toStdString();
}

TEST(WithNumberWords, ReadsEveryNumberWithItsValue)
{
    const Reading cases[] = {
        {"105 keeps its zero", u"105米"_s, u"一百零五米"_s},
        {"110 says its ten", u"110除以"_s, u"一百一十除以"_s},
        {"ten thousands", u"500000"_s, u"五十万"_s},
        {"millions", u"4000000"_s, u"四百万"_s},
        {"inner zero of 万", u"10050"_s, u"一万零五十"_s},
        {"亿", u"300000000"_s, u"三亿"_s},
        {"亿 with zeros", u"100000005"_s, u"一亿零五"_s},
        {"亿 and 万", u"120030000"_s, u"一亿二千零三万"_s},
        {"decimal", u"0.08"_s, u"零点零八"_s},
        {"money", u"12.5元"_s, u"十二点五元"_s},
        {"money below one", u"0.8元"_s, u"零点八元"_s},
        {"ratio", u"3比4"_s, u"三比四"_s},
        {"scale", u"1比500000"_s, u"一比五十万"_s},
        {"temperature", u"气温是12℃"_s, u"气温是十二摄氏度"_s},
        {"temperature asked", u"多少℃？"_s, u"多少摄氏度？"_s},
        {"two before a measure word", u"2本"_s, u"两本"_s},
        {"two before a unit", u"2千克"_s, u"两千克"_s},
        {"two hours", u"2小时"_s, u"两小时"_s},
        {"two thousand", u"2000"_s, u"两千"_s},
        {"twenty thousand", u"20000人"_s, u"两万人"_s},
        {"two hundred counted", u"200本"_s, u"两百本"_s},
        {"two hundred in a sum", u"200加"_s, u"二百加"_s},
        {"two alone", u"除以2等于"_s, u"除以二等于"_s},
        {"twelve", u"12本"_s, u"十二本"_s},
        {"ordinal", u"第2次"_s, u"第二次"_s},
        {"large ordinal", u"第2000名"_s, u"第二千名"_s},
        {"grade", u"2年级"_s, u"二年级"_s},
        {"two years", u"2年"_s, u"两年"_s},
        {"month", u"2月"_s, u"二月"_s},
        {"two point five", u"2.5米"_s, u"二点五米"_s},
        {"heading", u"例题12"_s, u"例题十二"_s},
        {"too long for words", u"1234567890123"_s, u"一二三四五六七八九零一二三"_s},
    };
    for (const Reading &c : cases)
        EXPECT_EQ(WithNumberWords(c.written), c.spoken) << c.rule;
}

TEST(ReadingTable, EveryShippedRowIsAProperReading)
{
    const ReadingTable table = ReadingTable::BuiltIn();
    ASSERT_GE(table.rows().size(), 13);
    for (const WordReading &row : table.rows()) {
        EXPECT_EQ(ReadingError(row), QString()) << row.word.toStdString();
        EXPECT_TRUE(table.apply(row.word).contains(row.pinyin.split(u' ').front()))
            << row.word.toStdString();
    }
}

TEST(ReadingTable, ReadsPolyphonesInContext)
{
    const Reading cases[] = {
        {"bank", u"存入银行"_s, u"存入 yin2 hang2"_s},
        {"row", u"每行站"_s, u"mei3 hang2 站"_s},
        {"travel", u"每小时行60千米"_s, u"每小时行60千米"_s},
        {"travel per", u"每行驶100千米"_s, u"mei3 xing2 shi3 100千米"_s},
        {"rows asked", u"可以站多少行？"_s, u"可以 zhan4 duo1 shao3 hang2 ？"_s},
        {"interval", u"间隔数"_s, u"jian4 ge2 数"_s},
        {"word problem", u"应用题"_s, u"ying4 yong4 题"_s},
        {"cheap", u"便宜了"_s, u"pian2 yi5 了"_s},
        {"unknown", u"设大数为x"_s, u"设大数 wei2 x"_s},
        {"become", u"变为原来"_s, u"bian4 wei2 原来"_s},
        {"place", u"两地相距"_s, u"两 di4 相距"_s},
        {"score", u"得了5分"_s, u"de2 了5分"_s},
        {"plant", u"种了3棵"_s, u"zhong4 le5 3棵"_s},
        {"kind", u"两种糖水"_s, u"两种糖水"_s},
        {"measure word", u"鸡的只数"_s, u"鸡的 zhi1 数"_s},
        {"only", u"只用了"_s, u"zhi3 yong4 了"_s},
        {"kind", u"这种商品"_s, u"这种商品"_s},
        {"transfer", u"应调往甲"_s, u"应 diao4 wang3 甲"_s},
        {"one before a fourth tone", u"一共一百"_s, u"yi2 gong4 yi4 bai3"_s},
        {"one as a number", u"十一加一"_s, u"shi2 yi1 加一"_s},
        {"first day", u"第一天"_s, u"di4 yi1 天"_s},
        {"last one of a number", u"二十一天"_s, u"二 shi2 yi1 天"_s},
        {"no change", u"年龄差不变"_s, u"年龄差 bu2 bian4"_s},
        {"turn", u"齿轮转多少圈"_s, u"齿轮 zhuan4 多少圈"_s},
        {"nut", u"螺母"_s, u"luo2 mu3"_s},
        {"upstream", u"逆水"_s, u"ni4 shui3"_s},
    };
    const ReadingTable table = ReadingTable::BuiltIn();
    for (const Reading &c : cases)
        EXPECT_EQ(table.apply(c.written), c.spoken) << c.rule;
}

TEST(ReadingTable, NamesEveryRowThatIsNoReading)
{
    QStringList errors;
    const ReadingTable table = ReadingTable::FromToml(u"[readings]\n\"银行\" = \"yin2 hang2\"\n"
                                                      "\"行\" = \"hang\"\n\"每行\" = \"mei3\"\n"
                                                      "\"x\" = \"ai4\"\n"_s,
                                                      errors);
    EXPECT_EQ(table.rows().size(), 1);
    EXPECT_EQ(errors.size(), 3) << errors.join(u'\n').toStdString();
    ReadingTable::FromToml(u"\"银行\" = yin2"_s, errors);
    EXPECT_EQ(errors.size(), 4);
}

// A teacher's table that is no TOML is named at its line in Chinese.
TEST(ReadingTable, SaysInChineseWhereATableIsNoToml)
{
    const struct {
        QString toml;
        QString said;
    } cases[] = {
        {u"[readings]\n\"银行\" = \"yin2 hang2\n"_s, u"第2行：引号没有闭合"_s},
        {u"[readings]\n\"银行\" = \n"_s, u"第2行：等号后面缺少值"_s},
        {u"[readings]\n\"银行\" \"yin2 hang2\"\n"_s, u"第2行：键和值之间缺少等号"_s},
    };
    for (const auto &c : cases) {
        QStringList errors;
        ReadingTable::FromToml(c.toml, errors);
        ASSERT_EQ(errors.size(), 1) << c.toml.toStdString();
        EXPECT_TRUE(errors[0].startsWith(c.said)) << errors[0].toStdString();
    }
}

TEST(ReadingTable, ATeachersRowOverridesTheShippedOne)
{
    QStringList errors;
    ReadingTable table = ReadingTable::BuiltIn();
    table.merge(ReadingTable::FromToml(
        u"[readings]\n\"地\" = \"de5\"\n\"跑得快\" = \"pao3 de5 kuai4\""_s, errors));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(table.apply(u"认真地跑得快"_s), u"认真 de5 pao3 de5 kuai4"_s);
}

TEST(NarrationParts, IntroductionExamplesAndClosingWords)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tm1.dat"_s);
    QFile bank(path);
    ASSERT_TRUE(bank.open(QIODevice::WriteOnly));
    bank.write(EncodeProblemRecord(u"加减应用题"_s, u"关系"_s, {}).bytes);
    bank.write(EncodeProblemRecord(u"一共几个？"_s, u"列式：1+2=3"_s, u"3"_s).bytes);
    bank.write(EncodeProblemRecord(u"看了全书的3/5，是90页，全书几页？"_s,
                                   u"全书页数*3/5=90。列式：90/(3/5)=150（页）。"_s, u"150"_s)
                   .bytes);
    bank.write(EncodeProblemRecord(u"最后一题？"_s, u"解"_s, u"1"_s).bytes);
    bank.close();
    EXPECT_EQ(NarrationParts(path, 1, 4), (QStringList{u"加减应用题"_s, u"关系"_s}));
    EXPECT_EQ(NarrationParts(path, 2, 4),
              (QStringList{u"例题一。"_s, u"一共几个？"_s, u"列式：一加二等于三"_s}));
    EXPECT_EQ(NarrationParts(path, 3, 4),
              (QStringList{u"例题二。"_s, u"看了全书的五分之三，是九十页，全书几页？"_s,
                           u"全书页数乘五分之三等于九十。"_s,
                           u"列式：九十除以五分之三等于一百五十页。"_s}));
    EXPECT_EQ(NarrationParts(path, 4, 4), QStringList{u"例题讲解结束"_s});
}

TEST(EngineInput, BreaksBetweenPartsAndEscapesMarkup)
{
    QStringList errors;
    const ReadingTable table =
        ReadingTable::FromToml(u"[readings]\n\"银行\" = \"yin2 hang2\""_s, errors);
    EXPECT_EQ(
        EngineInput({u"例题一。"_s, u"存入银行<甲&乙>"_s}, table),
        u"<speak>例题一。<break time=\"700ms\"/>存入 yin2 hang2 &lt;甲&amp;乙&gt;</speak>\n"_s);
}

} // namespace
