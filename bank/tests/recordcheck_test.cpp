// SPDX-License-Identifier: GPL-3.0-or-later
// What makes a record damaged. The shipped banks pass `lumaro-bank check`, which reports
// every one of these faults, so none of their records is ever taken for damaged.
#include "recordcheck.h"
#include "testprint.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct RecordCase {
    const char *name;
    QByteArray bytes; ///< the record as it stands in the file
    RecordRole role;
    QStringList faults;
};

void PrintTo(const RecordCase &c, std::ostream *out)
{
    *out << c.name;
}

QByteArray Raw(const QString &problem, const QString &solution, const QString &answer)
{
    return RawProblemRecord(problem, solution, answer);
}

QByteArray WithByte(QByteArray bytes, int at, char byte)
{
    bytes[at] = byte;
    return bytes;
}

const QByteArray Sound = Raw(u"小明有5个苹果，又买了3个，现在有几个？&"_s, u"5+3=8&"_s, u"8"_s);

class Faults : public testing::TestWithParam<RecordCase> {};

TEST_P(Faults, AreNamed)
{
    const ProblemRecord record = DecodeProblemRecord(GetParam().bytes);
    EXPECT_EQ(RecordFaults(record, GetParam().role), GetParam().faults);
    EXPECT_EQ(IsSoundRecord(record, GetParam().role), GetParam().faults.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Records, Faults,
    testing::Values(RecordCase{"sound problem", Sound, RecordRole::Problem, {}},
                    RecordCase{"answer with a point, padded on both sides",
                               Raw(u"题&"_s, u"解&"_s, u" 0.75"_s),
                               RecordRole::Problem,
                               {}},
                    RecordCase{"introduction without an answer",
                               Raw(u"介绍&"_s, u"关系&"_s, QString()),
                               RecordRole::Introduction,
                               {}},
                    RecordCase{"problem without an answer",
                               Raw(u"题&"_s, u"解&"_s, QString()),
                               RecordRole::Problem,
                               {u"答案“”不是不带符号的十进制数"_s}},
                    RecordCase{"answer of letters",
                               Raw(u"题&"_s, u"解&"_s, u"abc"_s),
                               RecordRole::Problem,
                               {u"答案“abc”不是不带符号的十进制数"_s}},
                    RecordCase{"answer as a fraction",
                               Raw(u"题&"_s, u"解&"_s, u"3/4"_s),
                               RecordRole::Problem,
                               {u"答案“3/4”不是不带符号的十进制数"_s}},
                    RecordCase{"texts without their markers",
                               Raw(u"题"_s, u"解"_s, u"1"_s),
                               RecordRole::Problem,
                               {u"题目没有结束标记“&”"_s, u"解答没有结束标记“&”"_s}},
                    RecordCase{"NUL in the padding after the marker",
                               WithByte(Sound, 150, '\0'),
                               RecordRole::Problem,
                               {u"含有空字节（NUL）"_s}},
                    RecordCase{"NUL after the answer",
                               WithByte(Sound, 465, '\0'),
                               RecordRole::Problem,
                               {u"含有空字节（NUL）"_s, u"答案“8    \\0”不是不带符号的十进制数"_s}},
                    RecordCase{"bytes that are not GBK",
                               WithByte(Sound, 1, '\xff'),
                               RecordRole::Problem,
                               {u"含有不是 GBK 的字节"_s}},
                    RecordCase{"zero-filled",
                               QByteArray(RecordBytes, '\0'),
                               RecordRole::Problem,
                               {u"题目没有结束标记“&”"_s, u"解答没有结束标记“&”"_s,
                                u"含有空字节（NUL）"_s,
                                u"答案“\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0”不是不带符号的十进制数"_s}},
                    RecordCase{"blank, as read past the end",
                               QByteArray(RecordBytes, ' '),
                               RecordRole::Introduction,
                               {u"题目没有结束标记“&”"_s, u"解答没有结束标记“&”"_s}}));

TEST(RoleOfRecord, OnlyTheFirstIntroduces)
{
    EXPECT_EQ(RoleOfRecord(1), RecordRole::Introduction);
    EXPECT_EQ(RoleOfRecord(2), RecordRole::Problem);
    EXPECT_EQ(RoleOfRecord(67), RecordRole::Problem);
}

} // namespace
