// SPDX-License-Identifier: GPL-3.0-or-later
#include "banksource.h"

#include "answercheck.h"
#include "evaluator.h"
#include "numbertext.h"
#include "problemrecord.h"
#include "regularfile.h"
#include "sourcehints.h"
#include "tomlascii.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <utility>

#include <toml++/toml.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString FromToml(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString StringAt(const toml::node_view<const toml::node> &node)
{
    return FromToml(node.value_or(std::string_view()));
}

QStringList StringsAt(const toml::node_view<const toml::node> &node)
{
    QStringList strings;
    if (const toml::array *array = node.as_array()) {
        for (const toml::node &item : *array)
            strings.append(FromToml(item.value_or(std::string_view())));
    }
    return strings;
}

/// A whole number that fits an int, or 0. Only an integer is read: toml++ turns a float such
/// as 1e20 into an integer without checking its range.
int WholeNumberAt(const toml::node_view<const toml::node> &node)
{
    const toml::value<int64_t> *integer = node.as_integer();
    if (!integer || !std::in_range<int>(integer->get()))
        return 0;
    return int(integer->get());
}

/// A key's explanation; a value that is no text reads as empty, which validation refuses.
QList<QPair<QString, QString>> MistakesAt(const toml::node_view<const toml::node> &node)
{
    QList<QPair<QString, QString>> mistakes;
    if (const toml::table *table = node.as_table()) {
        for (const auto &[key, value] : *table)
            mistakes.append({FromToml(key.str()), FromToml(value.value_or(std::string_view()))});
    }
    return mistakes;
}

int LineOf(const toml::node &node)
{
    return int(node.source().begin.line);
}

/// A bare number as it stands in its line (1.50 stays 1.50), so the teacher sees exactly
/// what to put in quotes.
QString NumberAsWritten(const toml::node &number, const QStringList &lines)
{
    const QString line = lines.value(LineOf(number) - 1);
    const qsizetype equals = line.indexOf(u'=');
    return line.mid(equals + 1).section(u'#', 0, 0).trimmed();
}

void ReadAnswer(const toml::table &table, const QStringList &lines, SourceProblem &problem)
{
    const toml::node *answer = table.get("answer");
    if (!answer) {
        problem.answerForm = AnswerWritten::Missing;
    } else if (const auto *text = answer->as_string()) {
        problem.answer = FromToml(text->get());
    } else {
        problem.answerForm = AnswerWritten::Unquoted;
        if (answer->is_number())
            problem.answerAsWritten = NumberAsWritten(*answer, lines);
    }
}

/// Names every key of a table that the program does not read: a misspelt key would
/// otherwise leave its value silently unused.
void CheckKeys(const toml::table &table, const QString &where, const QStringList &known,
               QStringList &problems)
{
    for (const auto &[key, node] : table) {
        const QString name = FromToml(key.str());
        if (known.contains(name))
            continue;
        const QString nearest = NearestKey(name, known);
        problems.append(
            u"第 "_s % QString::number(key.source().begin.line) % u" 行："_s % where %
            u"不认识键“"_s % name % u"”"_s %
            (nearest.isEmpty() ? u"，它的值不会被使用"_s : u"，是不是“"_s % nearest % u"”？"_s));
    }
}

const QStringList ProblemKeys = {u"text"_s,           u"solution"_s,  u"answer"_s,
                                 u"expressions"_s,    u"equations"_s, u"wrong"_s,
                                 u"answer_in_text"_s, u"mistakes"_s};

SourceProblem ProblemFrom(const toml::table &table, const QStringList &lines)
{
    const toml::node_view<const toml::node> view(table);
    SourceProblem problem;
    problem.text = StringAt(view["text"]);
    problem.solution = StringAt(view["solution"]);
    problem.expressions = StringsAt(view["expressions"]);
    problem.equations = StringsAt(view["equations"]);
    problem.wrong = StringsAt(view["wrong"]);
    problem.answerInText = view["answer_in_text"].value_or(false);
    problem.mistakes = MistakesAt(view["mistakes"]);
    problem.line = LineOf(table);
    ReadAnswer(table, lines, problem);
    CheckKeys(table, {}, ProblemKeys, problem.keyProblems);
    // A misspelt answer key is one slip: named as a key, not again as a missing answer.
    if (problem.answerForm == AnswerWritten::Missing) {
        for (const auto &[key, node] : table) {
            if (NearestKey(FromToml(key.str()), ProblemKeys) == u"answer"_s)
                problem.answerForm = AnswerWritten::Misspelt;
        }
    }
    return problem;
}

BankSource SourceFrom(const toml::table &root, const QStringList &lines)
{
    const toml::node_view<const toml::node> view(root);
    BankSource source;
    source.type = WholeNumberAt(view["type"]);
    source.title = StringAt(view["title"]);
    source.introProblem = StringAt(view["intro"]["problem"]);
    source.introSolution = StringAt(view["intro"]["solution"]);
    CheckKeys(root, {}, {u"type"_s, u"title"_s, u"intro"_s, u"problem"_s}, source.keyProblems);
    if (const toml::table *intro = view["intro"].as_table()) {
        source.introLine = LineOf(*intro);
        CheckKeys(*intro, u"[intro] "_s, {u"problem"_s, u"solution"_s}, source.keyProblems);
    }
    if (const toml::array *problems = view["problem"].as_array()) {
        for (const toml::node &node : *problems) {
            if (const toml::table *table = node.as_table())
                source.problems.append(ProblemFrom(*table, lines));
        }
    }
    return source;
}

/// Names a problem for a teacher: the line of its [[problem]], its record number in the
/// bank and its place among the problems.
QString RecordName(qsizetype index, int line)
{
    const QString record = u"记录 "_s % QString::number(index + 2) % u"（第 "_s %
                           QString::number(index + 1) % u" 题）"_s;
    return line > 0 ? u"第 "_s % QString::number(line) % u" 行 "_s % record : record;
}

void CheckQuestionMark(const SourceProblem &problem, QStringList &reasons)
{
    if (!problem.text.endsWith(u'？'))
        reasons.append(u"题目必须以“？”结尾"_s);
    if (problem.text.count(u'？') + problem.text.count(u'?') > 1 || problem.text.contains(u'?'))
        reasons.append(u"题目只能有结尾的一个问号（打印时问号后换行）"_s);
}

/// The lines a pupil could type; the others are named once with what to write instead.
QStringList TypableLines(const QString &kind, const QStringList &lines, QStringList &reasons)
{
    QStringList typable;
    for (const QString &line : lines) {
        const QString reason = InputRuleReason(kind, line);
        if (reason.isEmpty())
            typable.append(line);
        else
            reasons.append(reason);
    }
    return typable;
}

/// The one value every listed expression gives, when they agree on one.
std::optional<double> CommonValue(const QStringList &expressions)
{
    std::optional<double> common;
    for (const QString &line : expressions) {
        const EvalResult result = EvalBrackets(line);
        if (result.outcome != EvalOutcome::Value || (common && *common != result.value))
            return std::nullopt;
        common = result.value;
    }
    return common;
}

/// When no listed right line is judged right and the expressions agree on another value,
/// the answer is what is wrong: said once, with both values, instead of a line per
/// expression.
bool ReportWrongAnswer(const SourceProblem &problem, const QStringList &expressions,
                       const QStringList &equations, QStringList &reasons)
{
    const auto judgedRight = [&problem](const QString &line) {
        return CheckAnswer(line, problem.answer).right || GradeRow(line, problem.answer).right;
    };
    if (expressions.isEmpty() || std::any_of(expressions.begin(), expressions.end(), judgedRight) ||
        std::any_of(equations.begin(), equations.end(), judgedRight))
        return false;
    const std::optional<double> value = CommonValue(expressions);
    if (!value)
        return false;
    reasons.append(u"列出的算式（如 "_s % expressions.first() % u"）得 "_s % NumberText(*value) %
                   u"，答案却写 "_s % problem.answer % u"：请改正 answer 或算式"_s);
    return true;
}

/// Which of the two checks a line fails, said once for both.
QString FailedChecks(bool inPractice, bool inTest)
{
    if (inPractice && inTest)
        return u"练习和测试"_s;
    return inPractice ? u"练习"_s : inTest ? u"测试"_s : QString();
}

/// What an expression gives, when that is not the answer, so the teacher sees why.
QString ValueNote(const QString &line, const QString &answer)
{
    const EvalResult result = EvalBrackets(line);
    if (result.outcome != EvalOutcome::Value || NumberText(result.value) == answer)
        return {};
    return u"（它得 "_s % NumberText(result.value) % u"，答案是 "_s % answer % u"）"_s;
}

void CheckAnswerLines(const SourceProblem &problem, QStringList &reasons)
{
    if (problem.expressions.isEmpty() || problem.equations.isEmpty() || problem.wrong.isEmpty())
        reasons.append(u"至少要有一个算式、一个方程和一个错误答案"_s);
    const QStringList expressions = TypableLines(u"算式"_s, problem.expressions, reasons);
    const QStringList equations = TypableLines(u"方程"_s, problem.equations, reasons);
    const QStringList wrong = TypableLines(u"错误答案"_s, problem.wrong, reasons);
    if (ReportWrongAnswer(problem, expressions, equations, reasons))
        return;
    for (const QString &line : expressions) {
        const QString failed = FailedChecks(!CheckAnswer(line, problem.answer).right,
                                            !GradeRow(line, problem.answer).right);
        if (!failed.isEmpty())
            reasons.append(u"算式 "_s % line % u" 在"_s % failed % u"中被判为错"_s %
                           ValueNote(line, problem.answer));
    }
    for (const QString &line : equations) {
        if (!line.contains(u'=') || !CheckAnswer(line, problem.answer).right)
            reasons.append(u"方程 "_s % line % u" 在练习中被判为错"_s);
    }
    for (const QString &line : wrong) {
        const QString failed = FailedChecks(CheckAnswer(line, problem.answer).right,
                                            GradeRow(line, problem.answer).right);
        if (!failed.isEmpty())
            reasons.append(u"错误答案 "_s % line % u" 在"_s % failed % u"中被判为对"_s);
    }
}

/// The numbers written in a text, each a whole token: "120" and "1.2" hold no 12.
QList<double> NumbersIn(const QString &text)
{
    static const QRegularExpression number(u"\\d+(?:\\.\\d+)?"_s);
    QList<double> numbers;
    for (const QRegularExpressionMatch &match : number.globalMatch(text))
        numbers.append(match.captured().toDouble());
    return numbers;
}

/// A pupil who copies a number from the text must not score by luck.
void CheckAnswerNotInText(const SourceProblem &problem, QStringList &reasons)
{
    if (problem.answerInText || !IsPlainDecimal(problem.answer))
        return;
    if (NumbersIn(problem.text).contains(problem.answer.toDouble()))
        reasons.append(u"答案 "_s % problem.answer %
                       u" 也是题目里的数，照抄就能得分（确属有意时写 answer_in_text = true）"_s);
}

void CheckMistakes(const SourceProblem &problem, QStringList &reasons)
{
    for (const auto &[wrongLine, explanation] : problem.mistakes) {
        reasons.append(NoteReasons({0, wrongLine, explanation}, problem.wrong, problem.answer));
    }
}

/// A missing or unquoted answer, said once: nothing can be judged against it.
bool ReportAnswerForm(const SourceProblem &problem, QStringList &reasons)
{
    switch (problem.answerForm) {
    case AnswerWritten::Quoted:
        return false;
    case AnswerWritten::Misspelt:
        return true;
    case AnswerWritten::Missing:
        reasons.append(u"缺少答案：请加一行 answer = \"…\"，例如 answer = \"27\""_s);
        return true;
    case AnswerWritten::Unquoted:
        if (problem.answerAsWritten.isEmpty()) {
            reasons.append(u"answer 要写成引号里的十进制数，例如 answer = \"27\""_s);
            return true;
        }
        reasons.append(u"answer = "_s % problem.answerAsWritten %
                       u" 缺少引号：答案是一段文字，请写成 answer = \""_s %
                       problem.answerAsWritten % u"\""_s);
        return true;
    }
    return false;
}

/// Each character no bank can hold, named at its place, instead of the record's general
/// complaint about GBK.
bool ReportNonGbkCharacters(const SourceProblem &problem, const QStringList &lines,
                            QStringList &reasons)
{
    bool found = false;
    for (const QString &text : {problem.text, problem.solution}) {
        const QString character = FirstNonGbkCharacter(text);
        if (!character.isEmpty()) {
            reasons.append(NonGbkCharacterReason(character, lines, problem.line));
            found = true;
        }
    }
    return found;
}

QStringList ProblemReasons(const SourceProblem &problem, const QStringList &lines)
{
    QStringList reasons = problem.keyProblems;
    const bool answerMissing = ReportAnswerForm(problem, reasons);
    const bool notGbk = ReportNonGbkCharacters(problem, lines, reasons);
    const EncodedRecord record =
        EncodeProblemRecord(problem.text, problem.solution, problem.answer);
    if (!record.ok() && !notGbk && !answerMissing)
        reasons.append(record.error);
    if (answerMissing)
        return reasons;
    if (!IsPlainDecimal(problem.answer))
        reasons.append(u"答案 “"_s % problem.answer % u"” 不是不带符号的十进制数"_s);
    CheckQuestionMark(problem, reasons);
    CheckAnswerNotInText(problem, reasons);
    if (IsPlainDecimal(problem.answer)) {
        CheckAnswerLines(problem, reasons);
        CheckMistakes(problem, reasons);
    }
    return reasons;
}

void CheckIntro(const BankSource &source, QStringList &errors)
{
    const QString name =
        (source.introLine > 0 ? u"第 "_s % QString::number(source.introLine) % u" 行 "_s
                              : QString()) %
        u"记录 1（类型介绍）："_s;
    if (source.introProblem.isEmpty() || source.introSolution.isEmpty())
        errors.append(name % u"[intro] 需要 problem 和 solution"_s);
    const EncodedRecord intro = EncodeProblemRecord(source.introProblem, source.introSolution, {});
    if (!intro.ok())
        errors.append(name % intro.error);
}

} // namespace

namespace {

QString PlaceOf(const QString &sourceName, int line)
{
    return sourceName % u":"_s % QString::number(line) % u": "_s;
}

QString AsciiError(const AsciiToml &ascii, const QString &sourceName)
{
    if (ascii.unclosedQuote)
        return PlaceOf(sourceName, ascii.errorLine) %
               u"这一行的引号没有闭合：字符串要在同一行里用同样的引号结束"_s;
    return PlaceOf(sourceName, ascii.errorLine) % u"第 "_s % QString::number(ascii.errorColumn) %
           u" 列的字符“"_s % ascii.errorCharacter %
           u"”不能写在引号外面（中文只能写在字符串或注释里）"_s;
}

/// Bytes that are a built bank rather than a source: whole records, and none of a
/// source's section headers.
bool LooksLikeBank(const QByteArray &bytes)
{
    return !bytes.isEmpty() && bytes.size() % RecordBytes == 0 && !bytes.contains("[[problem]]") &&
           !bytes.contains("[intro]");
}

} // namespace

bool LooksLikeSource(const QByteArray &bytes)
{
    if (bytes.contains("[[problem]]") || bytes.contains("[intro]"))
        return true;
    static const QRegularExpression keyLine(u"^\\s*(#|[A-Za-z_]+\\s*=)"_s);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError() && bytes.size() % RecordBytes != 0 && keyLine.match(text).hasMatch();
}

ParsedSource ParseBankSourceText(const QString &toml, const QString &sourceName)
{
    const AsciiToml ascii = ToAsciiToml(toml);
    if (!ascii.ok())
        return {{}, AsciiError(ascii, sourceName)};
    const QByteArray utf8 = ascii.text.toUtf8();
    try {
        const toml::table root =
            toml::parse(std::string_view(utf8.constData(), utf8.size()), sourceName.toStdString());
        const QStringList lines = toml.split(u'\n');
        ParsedSource parsed{SourceFrom(root, lines), {}};
        parsed.source.lines = lines;
        return parsed;
    } catch (const toml::parse_error &error) {
        return {{},
                PlaceOf(sourceName, int(error.source().begin.line)) %
                    TomlErrorText(FromToml(error.description()))};
    }
}

ParsedSource ParseSourceBytes(const QByteArray &bytes, const QString &sourceName)
{
    if (LooksLikeBank(bytes))
        return {{},
                sourceName %
                    u": 这是编译好的题库，不是源文件：build 要的是 .toml 源文件，"
                    u"检查题库请用 lumaro-bank check "_s %
                    sourceName};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return {{},
                sourceName % u": 文件不是 UTF-8 编码（可能存成了 GBK）：请在编辑器里把它另存为 "
                             u"UTF-8 编码，再运行 build"_s};
    return ParseBankSourceText(text, sourceName);
}

ParsedSource ParseBankSource(const QString &path)
{
    QFile file;
    if (!OpenRegularFile(file, path))
        return {{}, path % u": 无法打开（不存在或不是普通文件）"_s};
    return ParseSourceBytes(file.readAll(), path);
}

QStringList ValidateBankSource(const BankSource &source)
{
    QStringList errors = source.keyProblems;
    CheckIntro(source, errors);
    if (source.problems.size() < MinimumProblemCount)
        errors.append(u"题目太少：一个题库至少 "_s % QString::number(MinimumProblemCount) %
                      u" 道题（[[problem]]），测试才能抽出不重复的题（现有 "_s %
                      QString::number(source.problems.size()) % u" 道）"_s);
    QSet<QString> seen;
    for (qsizetype i = 0; i < source.problems.size(); ++i) {
        const SourceProblem &problem = source.problems[i];
        const QString name = RecordName(i, problem.line);
        for (const QString &reason : ProblemReasons(problem, source.lines))
            errors.append(name % u"："_s % reason);
        if (seen.contains(problem.text))
            errors.append(name % u"：与前面的题目重复"_s);
        seen.insert(problem.text);
    }
    return errors;
}

QList<MistakeNote> CompileMistakeNotes(const BankSource &source)
{
    QList<MistakeNote> notes;
    for (qsizetype i = 0; i < source.problems.size(); ++i) {
        const SourceProblem &problem = source.problems[i];
        for (const QString &wrongLine : problem.wrong) {
            for (const auto &[key, explanation] : problem.mistakes) {
                if (key == wrongLine)
                    notes.append({int(i) + 2, wrongLine, explanation});
            }
        }
    }
    return notes;
}

QByteArray CompileBankSource(const BankSource &source)
{
    QByteArray bank = EncodeProblemRecord(source.introProblem, source.introSolution, {}).bytes;
    for (const SourceProblem &problem : source.problems)
        bank += EncodeProblemRecord(problem.text, problem.solution, problem.answer).bytes;
    return bank;
}
