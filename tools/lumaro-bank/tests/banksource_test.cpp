// SPDX-License-Identifier: GPL-3.0-or-later
#include "answercheck.h"
#include "banksource.h"
#include "problemrecord.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

SourceProblem GoodProblem(int n)
{
    return {u"小明有"_s % QString::number(n) % u"本书，又买了3本，现在有多少本？"_s,
            u"数量关系：原有+买来=现有。列式：x+3。答：略。"_s,
            QString::number(n + 3),
            {QString::number(n) + u"+3"_s},
            {u"x-3="_s + QString::number(n)},
            {QString::number(n) + u"-3"_s}};
}

BankSource GoodSource()
{
    BankSource source{1, u"加减应用题"_s, u"介绍"_s, u"常用数量关系"_s, {}};
    for (int n = 10; n < 25; ++n)
        source.problems.append(GoodProblem(n));
    return source;
}

QString Joined(const QStringList &errors)
{
    return errors.join(u'\n');
}

TEST(ValidateBankSource, AcceptsAGoodBankAndCompilesEveryRecord)
{
    const BankSource source = GoodSource();
    EXPECT_TRUE(ValidateBankSource(source).isEmpty())
        << Joined(ValidateBankSource(source)).toStdString();
    EXPECT_EQ(CompileBankSource(source).size(), 16 * RecordBytes);
}

TEST(ValidateBankSource, RefusesAWrongStoredAnswerNamingTheRecord)
{
    BankSource source = GoodSource();
    source.problems[2].answer = u"16"_s; // 12 + 3 is 15
    const QString errors = Joined(ValidateBankSource(source));
    EXPECT_TRUE(errors.contains(u"记录 4"_s)) << errors.toStdString();
    EXPECT_TRUE(errors.contains(u"12+3"_s)) << errors.toStdString();
}

TEST(ValidateBankSource, RefusesEachBrokenRule)
{
    const struct {
        const char *rule;
        std::function<void(SourceProblem &)> breakRule;
        QString reason;
    } cases[] = {
        {"no question mark", [](SourceProblem &p) { p.text.chop(1); }, u"？"_s},
        {"two question marks", [](SourceProblem &p) { p.text.prepend(u"为什么？"_s); }, u"问号"_s},
        {"ascii question mark", [](SourceProblem &p) { p.text += u"?"_s; }, u"问号"_s},
        {"marker", [](SourceProblem &p) { p.solution += u"&"_s; }, u"&"_s},
        {"too long", [](SourceProblem &p) { p.text.prepend(QString(100, u'很')); }, u"太长"_s},
        {"not GBK", [](SourceProblem &p) { p.text.prepend(u"😀"_s); }, u"GBK"_s},
        {"fraction answer", [](SourceProblem &p) { p.answer = u"3/4"_s; }, u"十进制"_s},
        {"signed answer", [](SourceProblem &p) { p.answer = u"-3"_s; }, u"十进制"_s},
        {"wrong judged right", [](SourceProblem &p) { p.wrong = {p.expressions[0]}; },
         u"被判为对"_s},
        {"equation without =", [](SourceProblem &p) { p.equations = {u"x"_s}; }, u"方程"_s},
        {"no equation", [](SourceProblem &p) { p.equations.clear(); }, u"至少"_s},
    };
    for (const auto &c : cases) {
        BankSource source = GoodSource();
        c.breakRule(source.problems[0]);
        const QString errors = Joined(ValidateBankSource(source));
        EXPECT_TRUE(errors.contains(u"记录 2"_s) && errors.contains(c.reason))
            << c.rule << ": " << errors.toStdString();
    }
}

TEST(ValidateBankSource, RefusesAnAnswerCopiedFromTheText)
{
    const struct {
        QString text;
        QString answer;
        bool intended;
        bool refused;
    } cases[] = {
        {u"一项工程甲队12天完成，乙队15天完成，两队合做几天完成？"_s, u"12"_s, false, true},
        {u"一箱苹果120个，分给10个班，每班几个？"_s, u"12"_s, false, false},
        {u"一根绳长1.2米，用去0.8米，还剩几米？"_s, u"12"_s, false, false},
        {u"一根绳长1.2米，用去0.8米，还剩几米？"_s, u"0.4"_s, false, false},
        {u"一支笔2.50元，一块橡皮多少元时两样同价？"_s, u"2.5"_s, false, true},
        {u"全班40人，25%是男生，女生比男生多几人？"_s, u"25"_s, false, true},
        {u"甲是乙的3/4，乙是4，甲是几？"_s, u"3"_s, false, true},
        {u"钟面上时针从12走到12，走了几小时？"_s, u"12"_s, true, false},
    };
    for (const auto &c : cases) {
        BankSource source = GoodSource();
        SourceProblem &problem = source.problems[0];
        problem.text = c.text;
        problem.answer = c.answer;
        problem.expressions = {c.answer};
        problem.equations = {u"x="_s + c.answer};
        problem.wrong = {c.answer + u"+1"_s};
        problem.answerInText = c.intended;
        const QString errors = Joined(ValidateBankSource(source));
        EXPECT_EQ(errors.contains(u"照抄"_s), c.refused)
            << c.text.toStdString() << " / " << c.answer.toStdString() << ": "
            << errors.toStdString();
        EXPECT_EQ(errors.isEmpty(), !c.refused) << errors.toStdString();
    }
}

TEST(ValidateBankSource, RefusesDuplicatesAndSmallBanks)
{
    BankSource source = GoodSource();
    source.problems[5] = source.problems[4];
    EXPECT_TRUE(Joined(ValidateBankSource(source)).contains(u"重复"_s));
    source.problems.resize(14);
    EXPECT_TRUE(Joined(ValidateBankSource(source)).contains(u"至少 15"_s));
}

TEST(ParseBankSource, ReadsTheFormatAndReportsSyntaxErrors)
{
    const ParsedSource parsed = ParseBankSourceText(uR"(type = 2
title = "乘除应用题"
[intro]
problem = "介绍"
solution = "关系"
[[problem]]
text = "题？"
solution = "解"
answer = "12"
expressions = ["3*4"]
equations = ["3*x=36"]
wrong = ["3+4"]
[[problem]]
text = "钟面上12点走到下一个12点？"
solution = "解"
answer = "12"
expressions = ["12"]
equations = ["x=12"]
wrong = ["24"]
answer_in_text = true
)"_s,
                                                    u"t.toml"_s);
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.source.type, 2);
    ASSERT_EQ(parsed.source.problems.size(), 2);
    EXPECT_EQ(parsed.source.problems[0].equations, QStringList{u"3*x=36"_s});
    EXPECT_FALSE(parsed.source.problems[0].answerInText);
    EXPECT_TRUE(parsed.source.problems[1].answerInText);
    const ParsedSource broken = ParseBankSourceText(u"type = \n"_s, u"t.toml"_s);
    EXPECT_FALSE(broken.ok());
    EXPECT_TRUE(broken.error.startsWith(u"t.toml:1"_s)) << broken.error.toStdString();
    EXPECT_FALSE(ParseBankSource(u"/nonexistent/tm9.toml"_s).ok());
}

TEST(ParseBankSource, ReadsTheExplanationsOfTypicalMistakes)
{
    const ParsedSource parsed = ParseBankSourceText(uR"([[problem]]
text = "鸭比鸡多18只？"
wrong = ["46-18", "18-46"]
mistakes = { "46-18" = "鸭比鸡多，要用加法。", "18-46" = "不能用小数减大数。" }
)"_s,
                                                    u"t.toml"_s);
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    ASSERT_EQ(parsed.source.problems.size(), 1);
    const auto &mistakes = parsed.source.problems[0].mistakes;
    ASSERT_EQ(mistakes.size(), 2);
    EXPECT_TRUE(mistakes.contains(qMakePair(u"46-18"_s, u"鸭比鸡多，要用加法。"_s)));
    EXPECT_TRUE(mistakes.contains(qMakePair(u"18-46"_s, u"不能用小数减大数。"_s)));
}

// An explanation reaches the pupil only for a line listed as wrong that both checks judge
// wrong, and only in a sentence short enough to read beside the ×.
TEST(ValidateBankSource, RefusesEachUnsoundExplanation)
{
    const struct {
        const char *rule;
        QString wrongLine;
        QString explanation;
        QString reason;
    } cases[] = {
        {"not a listed wrong line", u"12-4"_s, u"要用加法。"_s, u"不是本题 wrong"_s},
        {"longer than 40", u"12-3"_s, QString(41, u'加'), u"超过 40"_s},
        {"empty", u"12-3"_s, QString(), u"为空"_s},
        {"a tab", u"12-3"_s, u"要用\t加法。"_s, u"制表符"_s},
        {"not GBK", u"12-3"_s, u"要用加法😀"_s, u"GBK"_s},
    };
    for (const auto &c : cases) {
        BankSource source = GoodSource();
        source.problems[2].mistakes = {{c.wrongLine, c.explanation}};
        const QString errors = Joined(ValidateBankSource(source));
        EXPECT_TRUE(errors.contains(u"记录 4"_s) && errors.contains(c.reason))
            << c.rule << ": " << errors.toStdString();
    }
}

TEST(ValidateBankSource, RefusesAnExplainedLineThatIsJudgedRight)
{
    BankSource source = GoodSource();
    // Listed as wrong by mistake: 12+3 is the answer.
    source.problems[2].wrong.append(u"12+3"_s);
    source.problems[2].mistakes = {{u"12+3"_s, u"要用减法。"_s}};
    const QString errors = Joined(ValidateBankSource(source));
    EXPECT_TRUE(errors.contains(u"错因说明 “12+3” 在练习中被判为对"_s)) << errors.toStdString();
    EXPECT_TRUE(errors.contains(u"错因说明 “12+3” 在测试中被判为对"_s)) << errors.toStdString();
}

TEST(CompileMistakeNotes, GivesEachExplanationItsRecordInTheOrderOfTheWrongLines)
{
    BankSource source = GoodSource();
    source.problems[0].wrong = {u"10-3"_s, u"3-10"_s};
    source.problems[0].mistakes = {{u"3-10"_s, u"小数不能减大数。"_s},
                                   {u"10-3"_s, u"要用加法。"_s}};
    source.problems[4].mistakes = {{u"14-3"_s, u"买来的要加上。"_s}};
    ASSERT_TRUE(ValidateBankSource(source).isEmpty())
        << Joined(ValidateBankSource(source)).toStdString();
    const QList<MistakeNote> expected = {{2, u"10-3"_s, u"要用加法。"_s},
                                         {2, u"3-10"_s, u"小数不能减大数。"_s},
                                         {6, u"14-3"_s, u"买来的要加上。"_s}};
    EXPECT_EQ(CompileMistakeNotes(source), expected);
}

// A type that is no whole number an int holds reads as 0: never as another type, and never
// through an out-of-range conversion.
TEST(ParseBankSource, ReadsAnOddTypeAsNone)
{
    for (const QString &type : {u"1e20"_s, u"-1e300"_s, u"inf"_s, u"nan"_s, u"2.0"_s,
                                u"4294967298"_s, u"-9223372036854775808"_s, u"\"2\""_s, u"[2]"_s}) {
        const ParsedSource parsed = ParseBankSourceText(u"type = "_s + type, u"t.toml"_s);
        ASSERT_TRUE(parsed.ok()) << type.toStdString() << parsed.error.toStdString();
        EXPECT_EQ(parsed.source.type, 0) << type.toStdString();
    }
}

// Chinese text reaches the parser as escapes, whichever kind of string holds it; the values
// read back as written.
TEST(ParseBankSource, ReadsChineseInEveryKindOfString)
{
    const struct {
        QString value;
        QString expected;
    } cases[] = {
        {uR"("甲、乙。")"_s, u"甲、乙。"_s},
        {uR"('甲、乙\。"')"_s, uR"(甲、乙\。")"_s},
        {u"\"\"\"甲、\\\n   。乙\"\"\"\""_s, u"甲、。乙\""_s},
        {u"'''\n甲'、''乙。'''''"_s, u"甲'、''乙。''"_s},
        {uR"("\u3001、\"")"_s, uR"(、、")"_s},
    };
    for (const auto &c : cases) {
        const QString toml = u"title = "_s + c.value + u" # 注释、。\n"_s +
                             u"[intro]\n\"问题、\" = 1\n'解答。' = 2\n"_s;
        const ParsedSource parsed = ParseBankSourceText(toml, u"t.toml"_s);
        ASSERT_TRUE(parsed.ok()) << toml.toStdString() << parsed.error.toStdString();
        EXPECT_EQ(parsed.source.title, c.expected) << toml.toStdString();
    }
}

// A teacher's slip such as "、" between two answers is named with its line, and never
// reaches the parser, which misreads such characters.
TEST(ParseBankSource, RefusesChineseOutsideStrings)
{
    for (const QString &line : {uR"(wrong = ["a"、"b"])"_s, uR"(wrong = [。"a"])"_s,
                                uR"(答案 = "1")"_s, u"answer = 1。"_s, u"[[\x1aproblem]]"_s}) {
        const ParsedSource parsed = ParseBankSourceText(u"type = 1\n"_s + line, u"t.toml"_s);
        EXPECT_FALSE(parsed.ok()) << line.toStdString();
        EXPECT_TRUE(parsed.error.startsWith(u"t.toml:2: "_s)) << parsed.error.toStdString();
        EXPECT_TRUE(parsed.error.contains(u"引号外面"_s)) << parsed.error.toStdString();
    }
}

QString ShippedSourcePath(int type)
{
    return QStringLiteral(LUMARO_BANK_SOURCES) % u"/tm"_s % QString::number(type) % u".toml"_s;
}

// The fewest problems each shipped bank holds (index: the type).
constexpr int MinimumProblems[] = {0, 60, 60, 60, 60, 60};

// Every shipped problem proves that its right answers are judged right and its wrong
// answers wrong, so a broken problem can never reach a pupil.
class ShippedBank : public testing::TestWithParam<int> {};

TEST_P(ShippedBank, EveryProblemIsJudgedAsItsSourceSays)
{
    const QString path = ShippedSourcePath(GetParam());
    // A shipped bank whose source is lost fails here: it would ship without its checks.
    ASSERT_TRUE(QFile::exists(path)) << "no source " << path.toStdString();
    const ParsedSource parsed = ParseBankSource(path);
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.source.type, GetParam());
    EXPECT_GE(parsed.source.problems.size(), MinimumProblems[GetParam()]);
    for (const QString &error : ValidateBankSource(parsed.source))
        ADD_FAILURE() << error.toStdString();
}

// Every explanation shipped belongs to a listed wrong line that both checks judge wrong.
TEST_P(ShippedBank, EveryExplanationBelongsToAWrongLineJudgedWrong)
{
    const ParsedSource parsed = ParseBankSource(ShippedSourcePath(GetParam()));
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    for (qsizetype i = 0; i < parsed.source.problems.size(); ++i) {
        const SourceProblem &problem = parsed.source.problems[i];
        for (const auto &[line, explanation] : problem.mistakes) {
            const MistakeNote note{int(i) + 2, line, explanation};
            for (const QString &reason : NoteReasons(note, problem.wrong, problem.answer))
                ADD_FAILURE() << "record " << i + 2 << ": " << reason.toStdString();
        }
    }
}

/// The 列式 line of a worked solution as a pupil copies it: each step "expression=result"
/// whose expression is plain arithmetic, or for an equation ("设…x…，equation，x=…") the
/// equation alone. Steps written in words (two offers compared) are left out.
struct WorkedLine {
    QString equation;
    QList<QPair<QString, QString>> steps; ///< expression, and the result written after "="
};

WorkedLine WorkedLineOf(const QString &solution)
{
    const qsizetype start = solution.indexOf(u"列式："_s);
    if (start < 0)
        return {};
    QString line = solution.mid(start + 3);
    line = line.left(line.indexOf(u'。'));
    const QStringList steps = line.split(u'，');
    if (line.startsWith(u'设'))
        return {steps.size() >= 3 ? steps[1] : QString(), {}};
    static const QRegularExpression step(u"^([0-9.+\\-*/()%: ]+)=([0-9.+\\-*/()%:]+)"_s);
    WorkedLine worked;
    for (const QString &text : steps) {
        if (const QRegularExpressionMatch match = step.match(text); match.hasMatch())
            worked.steps.append({match.captured(1), match.captured(2)});
    }
    return worked;
}

TEST(WorkedLineOf, TakesEachStepOrTheEquationOfTheWorkedLine)
{
    using Steps = QList<QPair<QString, QString>>;
    const struct {
        QString solution;
        WorkedLine expected;
    } cases[] = {
        {u"数量关系：…。列式：128-75=53（页）。答：…"_s, {{}, Steps{{u"128-75"_s, u"53"_s}}}},
        {u"列式：10/0.8=12（朵）……0.4（米）。答：…"_s, {{}, Steps{{u"10/0.8"_s, u"12"_s}}}},
        {u"列式：(1-5/15)/8=1/12，1/(1/12)=12（天）。"_s,
         {{}, Steps{{u"(1-5/15)/8"_s, u"1/12"_s}, {u"1/(1/12)"_s, u"12"_s}}}},
        {u"列式：设小明今年x岁，4*x+5=3*(x+5)，x=10。答：…"_s, {u"4*x+5=3*(x+5)"_s, {}}},
        {u"列式：甲商店20*80=1600（元），乙商店20*75=1500（元）。"_s, {}},
        {u"数量关系：设x，24:3=x:5，x=40。"_s, {}},
    };
    for (const auto &c : cases) {
        const WorkedLine worked = WorkedLineOf(c.solution);
        EXPECT_EQ(worked.equation, c.expected.equation) << c.solution.toStdString();
        EXPECT_EQ(worked.steps, c.expected.steps) << c.solution.toStdString();
    }
}

/// Why a worked line cannot stand as the model: a step the judge does not read as the result
/// written after it, or a last step (or equation) that is judged wrong.
QStringList WorkedLineFaults(const WorkedLine &worked, const QString &answer)
{
    QStringList faults;
    if (!worked.equation.isEmpty() && !CheckAnswer(worked.equation, answer).right)
        faults.append(worked.equation + u" is judged wrong"_s);
    for (const auto &[expression, result] : worked.steps) {
        // Read as the judge reads a line, so a ratio written after "=" keeps its value.
        const std::optional<double> value = WrongLineValue(result);
        if (!value || !CheckAgainstValue(expression, *value).right)
            faults.append(expression + u" is not "_s + result);
    }
    if (worked.steps.isEmpty())
        return faults;
    const QString last = worked.steps.last().first;
    if (!CheckAnswer(last, answer).right || !GradeRow(last, answer).right)
        faults.append(last + u" is judged wrong"_s);
    return faults;
}

// The worked solution never shows as the model a line the program marks wrong: each step of
// its 列式 line, typed as it stands, has the value written after it, and the last one is
// right in practice and on the paper.
TEST_P(ShippedBank, EverySolutionsLineIsJudgedRight)
{
    const ParsedSource parsed = ParseBankSource(ShippedSourcePath(GetParam()));
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    for (qsizetype i = 0; i < parsed.source.problems.size(); ++i) {
        const SourceProblem &problem = parsed.source.problems[i];
        for (const QString &fault :
             WorkedLineFaults(WorkedLineOf(problem.solution), problem.answer))
            ADD_FAILURE() << "tm" << GetParam() << " record " << i + 2 << ": "
                          << fault.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Types, ShippedBank, testing::Range(1, 6));

/// What a copied problem keeps however it is reworded: its answer and the numbers in its text.
QString ProblemNumbers(const SourceProblem &problem)
{
    static const QRegularExpression number(u"\\d+(?:\\.\\d+)?"_s);
    QList<double> numbers;
    for (const QRegularExpressionMatch &match : number.globalMatch(problem.text))
        numbers.append(match.captured().toDouble());
    std::sort(numbers.begin(), numbers.end());
    QString key = problem.answer;
    for (double value : numbers)
        key += u' ' + QString::number(value);
    return key;
}

TEST(ShippedBanks, NoProblemRepeatsTheNumbersAndAnswerOfAnother)
{
    QHash<QString, QString> firstSeen;
    for (int type = 1; type <= 5; ++type) {
        const ParsedSource parsed = ParseBankSource(ShippedSourcePath(type));
        if (!parsed.ok())
            continue; // reported by ShippedBank
        for (qsizetype i = 0; i < parsed.source.problems.size(); ++i) {
            const QString where = u"tm%1 记录 %2"_s.arg(type).arg(i + 2);
            const QString key = ProblemNumbers(parsed.source.problems[i]);
            if (firstSeen.contains(key))
                ADD_FAILURE() << where.toStdString() << " repeats " << firstSeen[key].toStdString()
                              << ": " << key.toStdString();
            else
                firstSeen.insert(key, where);
        }
    }
}

} // namespace
