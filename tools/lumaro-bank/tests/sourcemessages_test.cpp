// SPDX-License-Identifier: GPL-3.0-or-later
// What a teacher reads about a slip in a bank source: one message, at its line, saying what
// is wrong and what to write.
#include "banksource.h"
#include "problemrecord.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int FirstProblemLine = 6;
constexpr int ProblemLines = 7;

QString ProblemToml(int n)
{
    const QString a = QString::number(n);
    return u"[[problem]]\ntext = \"小明有"_s % a % u"本书，又买了3本，现在有多少本？\"\n"_s %
           u"solution = \"数量关系：原有+买来=现有。答：略。\"\n"_s % u"answer = \""_s %
           QString::number(n + 3) % u"\"\n"_s % u"expressions = [\""_s % a % u"+3\"]\n"_s %
           u"equations = [\"x-3="_s % a % u"\"]\n"_s % u"wrong = [\""_s % a % u"-3\"]\n"_s;
}

/// A good source of `count` problems; problem i (from 0) starts at line 6 + 7 i and asks
/// about 10 + i books.
QString SourceToml(int count = 15)
{
    QString toml = u"type = 1\ntitle = \"加减应用题\"\n[intro]\nproblem = \"介绍\"\n"
                   u"solution = \"常用数量关系\"\n"_s;
    for (int i = 0; i < count; ++i)
        toml += ProblemToml(10 + i);
    return toml;
}

/// Every message the build prints for a source: the reason it cannot be read, or each
/// reason it cannot become a bank.
QStringList Messages(const QByteArray &bytes)
{
    const ParsedSource parsed = ParseSourceBytes(bytes, u"t.toml"_s);
    if (!parsed.ok())
        return {parsed.error};
    return ValidateBankSource(parsed.source);
}

QStringList Messages(const QString &toml)
{
    return Messages(toml.toUtf8());
}

/// The source with one line of problem 2 (12 books, answer 15, at line 20) replaced.
QString WithLine(const QString &from, const QString &to)
{
    QString toml = SourceToml();
    const qsizetype problem = toml.indexOf(u"小明有12本"_s);
    toml.replace(toml.indexOf(from, problem - 20), from.size(), to);
    return toml;
}

TEST(SourceMessages, EachSlipIsSaidOnceAtItsLineWithWhatToDo)
{
    static_assert(FirstProblemLine + 2 * ProblemLines == 20, "problem 2 starts at line 20");
    const struct {
        const char *slip;
        QString toml;
        QStringList expected;
        qsizetype count;
    } cases[] = {
        {"a wrong answer",
         WithLine(u"answer = \"15\""_s, u"answer = \"19\""_s),
         {u"第 20 行 记录 4"_s, u"得 15，答案却写 19"_s},
         1},
        {"one wrong expression",
         WithLine(u"[\"12+3\"]"_s, u"[\"12+3\", \"12+4\"]"_s),
         {u"第 20 行 记录 4（第 3 题）：算式 12+4 在练习和测试中被判为错（它得 16，答案是 15）"_s},
         1},
        {"a right line listed as wrong",
         WithLine(u"[\"12-3\"]"_s, u"[\"12-3\", \"3+12\"]"_s),
         {u"错误答案 3+12 在练习和测试中被判为对"_s},
         1},
        {"no answer", WithLine(u"answer = \"15\"\n"_s, {}), {u"第 20 行"_s, u"缺少答案"_s}, 1},
        {"an answer without quotes",
         WithLine(u"answer = \"15\""_s, u"answer = 15"_s),
         {u"第 20 行"_s, u"answer = 15 缺少引号"_s, u"answer = \"15\""_s},
         1},
        {"a decimal without quotes",
         WithLine(u"answer = \"15\""_s, u"answer = 15.0 # 本"_s),
         {u"answer = 15.0 缺少引号"_s, u"answer = \"15.0\""_s},
         1},
        {"a list for an answer",
         WithLine(u"answer = \"15\""_s, u"answer = [15]"_s),
         {u"第 20 行"_s, u"answer 要写成引号里的十进制数"_s},
         1},
        {"a misspelt key",
         WithLine(u"answer = "_s, u"anwser = "_s),
         {u"第 20 行 记录 4（第 3 题）：第 23 行：不认识键“anwser”，是不是“answer”？"_s},
         1},
        {"an unknown key",
         WithLine(u"answer = \"15\""_s, u"answer = \"15\"\nhint = \"x\""_s),
         {u"第 20 行 记录 4（第 3 题）：第 24 行：不认识键“hint”，它的值不会被使用"_s},
         1},
        {"an unknown key at the top",
         u"titel = \"x\"\n"_s + SourceToml(),
         {u"第 1 行：不认识键“titel”，是不是“title”？"_s},
         1},
        {"an emoji",
         WithLine(u"小明有12"_s, u"小明😀有12"_s),
         {u"第 21 行第 11 列"_s, u"“😀”（U+1F600）不在 GBK"_s},
         1},
        {"an emoji outside quotes",
         WithLine(u"wrong = [\"12-3\"]"_s, u"wrong = [\"12-3\"]😀"_s),
         {u"t.toml:26: 第 17 列的字符“😀”不能写在引号外面"_s},
         1},
        {"an unclosed quote",
         WithLine(u"答：略。\""_s, u"答：略。"_s),
         {u"t.toml:22: "_s, u"引号没有闭合"_s},
         1},
        {"a times sign",
         WithLine(u"[\"12-3\"]"_s, u"[\"12×3\"]"_s),
         {u"第 20 行"_s, u"错误答案 12×3 含有 “×”"_s, u"写成 12*3"_s},
         1},
        {"full-width brackets and division",
         WithLine(u"[\"12+3\"]"_s, u"[\"12+3\", \"（30÷2）\"]"_s),
         {u"算式 （30÷2） 含有 “÷”、“（”、“）”"_s, u"写成 (30/2)"_s, u"只能输入半角"_s},
         1},
        {"an empty introduction",
         SourceToml().replace(u"problem = \"介绍\""_s, u"problem = \"\""_s),
         {u"第 3 行 记录 1（类型介绍）：[intro] 需要 problem 和 solution"_s},
         1},
        {"too few problems", SourceToml(14), {u"至少 15 道题"_s, u"现有 14 道"_s}, 1},
    };
    for (const auto &c : cases) {
        const QStringList messages = Messages(c.toml);
        const std::string said = messages.join(u'\n').toStdString();
        EXPECT_EQ(messages.size(), c.count) << c.slip << ":\n" << said;
        for (const QString &expected : c.expected)
            EXPECT_TRUE(messages.join(u'\n').contains(expected))
                << c.slip << ": no " << expected.toStdString() << " in\n"
                << said;
    }
}

// The parser's English never reaches a teacher: each syntax slip is said in Chinese at the
// line where it stands.
TEST(SourceMessages, SyntaxSlipsAreSaidInChinese)
{
    const struct {
        QString line;
        QString said;
    } cases[] = {
        {u"type = "_s, u"t.toml:1: 等号后面缺少值"_s},
        {u"wrong = [\"1\" \"2\"]"_s, u"t.toml:1: 方括号里的各项之间要用半角逗号"_s},
        {u"answer \"3\""_s, u"t.toml:1: 键和值之间缺少等号"_s},
        {u"[[problem]"_s, u"t.toml:1: 节的名称写得不完整"_s},
        {u"x = \"a\\q\""_s, u"t.toml:1: 引号里的“\\”后面不能跟这个字符"_s},
        {u"y = 1.2.3"_s, u"t.toml:1: 数写得不对"_s},
        {u"title = \"x\"\ntitle = \"y\""_s, u"t.toml:2: 键“title”写了两次"_s},
    };
    for (const auto &c : cases) {
        const QStringList messages = Messages(c.line + u"\n"_s);
        ASSERT_EQ(messages.size(), 1) << c.line.toStdString();
        EXPECT_TRUE(messages[0].startsWith(c.said))
            << c.line.toStdString() << ": " << messages[0].toStdString();
        EXPECT_FALSE(messages[0].contains(u"parsing"_s)) << messages[0].toStdString();
    }
}

TEST(SourceMessages, AGoodSourceSaysNothing)
{
    EXPECT_TRUE(Messages(SourceToml()).isEmpty())
        << Messages(SourceToml()).join(u'\n').toStdString();
}

// The wrong file given to build or check is named for what it is, in one sentence.
TEST(SourceMessages, FilesAreToldApartByWhatTheyHold)
{
    QStringEncoder gbk("GBK");
    const QByteArray gbkSource = gbk.encode(SourceToml());
    const QByteArray bank(16 * RecordBytes, ' ');
    const struct {
        const char *file;
        QByteArray bytes;
        bool source;
        QString buildSays;
    } cases[] = {
        {"a source in GBK", gbkSource, true, u"另存为 UTF-8"_s},
        {"a built bank", bank, false, u"编译好的题库，不是源文件"_s},
        {"a source in UTF-8", SourceToml().toUtf8(), true, {}},
        {"a source of keys only", "type = 1\ntitle = \"x\"\n", true, u"记录 1"_s},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(LooksLikeSource(c.bytes), c.source) << c.file;
        const QStringList messages = Messages(c.bytes);
        if (c.buildSays.isEmpty()) {
            EXPECT_TRUE(messages.isEmpty()) << c.file;
            continue;
        }
        EXPECT_TRUE(messages.value(0).contains(c.buildSays))
            << c.file << ": " << messages.join(u'\n').toStdString();
    }
}

} // namespace
