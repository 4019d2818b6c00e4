// SPDX-License-Identifier: GPL-3.0-or-later
#include "banksource.h"

#include "answercheck.h"
#include "numbertext.h"
#include "problemrecord.h"
#include "regularfile.h"
#include "tomlascii.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

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

SourceProblem ProblemFrom(const toml::table &table)
{
    const toml::node_view<const toml::node> view(table);
    return {StringAt(view["text"]),
            StringAt(view["solution"]),
            StringAt(view["answer"]),
            StringsAt(view["expressions"]),
            StringsAt(view["equations"]),
            StringsAt(view["wrong"]),
            view["answer_in_text"].value_or(false),
            MistakesAt(view["mistakes"])};
}

BankSource SourceFrom(const toml::table &root)
{
    const toml::node_view<const toml::node> view(root);
    BankSource source;
    source.Type = WholeNumberAt(view["type"]);
    source.Title = StringAt(view["title"]);
    source.IntroProblem = StringAt(view["intro"]["problem"]);
    source.IntroSolution = StringAt(view["intro"]["solution"]);
    if (const toml::array *problems = view["problem"].as_array()) {
        for (const toml::node &node : *problems) {
            if (const toml::table *table = node.as_table())
                source.Problems.append(ProblemFrom(*table));
        }
    }
    return source;
}

/// Names a problem for a teacher: its record number in the bank and its place in the source.
QString RecordName(qsizetype index)
{
    return u"记录 "_s % QString::number(index + 2) % u"（第 "_s % QString::number(index + 1) %
           u" 题）"_s;
}

void CheckQuestionMark(const SourceProblem &problem, QStringList &reasons)
{
    if (!problem.Text.endsWith(u'？'))
        reasons.append(u"题目必须以“？”结尾"_s);
    if (problem.Text.count(u'？') + problem.Text.count(u'?') > 1 || problem.Text.contains(u'?'))
        reasons.append(u"题目只能有结尾的一个问号（打印时问号后换行）"_s);
}

void CheckAnswerLines(const SourceProblem &problem, QStringList &reasons)
{
    if (problem.Expressions.isEmpty() || problem.Equations.isEmpty() || problem.Wrong.isEmpty())
        reasons.append(u"至少要有一个算式、一个方程和一个错误答案"_s);
    for (const QString &line : problem.Expressions) {
        if (!CheckAnswer(line, problem.Answer).Right)
            reasons.append(u"算式 "_s % line % u" 在练习中被判为错"_s);
        if (!GradeRow(line, problem.Answer).Right)
            reasons.append(u"算式 "_s % line % u" 在测试中被判为错"_s);
    }
    for (const QString &line : problem.Equations) {
        if (!line.contains(u'=') || !CheckAnswer(line, problem.Answer).Right)
            reasons.append(u"方程 "_s % line % u" 在练习中被判为错"_s);
    }
    for (const QString &line : problem.Wrong) {
        if (CheckAnswer(line, problem.Answer).Right)
            reasons.append(u"错误答案 "_s % line % u" 在练习中被判为对"_s);
        if (GradeRow(line, problem.Answer).Right)
            reasons.append(u"错误答案 "_s % line % u" 在测试中被判为对"_s);
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
    if (problem.AnswerInText || !IsPlainDecimal(problem.Answer))
        return;
    if (NumbersIn(problem.Text).contains(problem.Answer.toDouble()))
        reasons.append(u"答案 "_s % problem.Answer %
                       u" 也是题目里的数，照抄就能得分（确属有意时写 answer_in_text = true）"_s);
}

void CheckMistakes(const SourceProblem &problem, QStringList &reasons)
{
    for (const auto &[wrongLine, explanation] : problem.Mistakes) {
        reasons.append(NoteReasons({0, wrongLine, explanation}, problem.Wrong, problem.Answer));
    }
}

QStringList ProblemReasons(const SourceProblem &problem)
{
    QStringList reasons;
    const EncodedRecord record =
        EncodeProblemRecord(problem.Text, problem.Solution, problem.Answer);
    if (!record.ok())
        reasons.append(record.Error);
    if (!IsPlainDecimal(problem.Answer))
        reasons.append(u"答案 “"_s % problem.Answer % u"” 不是不带符号的十进制数"_s);
    CheckQuestionMark(problem, reasons);
    CheckAnswerNotInText(problem, reasons);
    CheckAnswerLines(problem, reasons);
    CheckMistakes(problem, reasons);
    return reasons;
}

void CheckIntro(const BankSource &source, QStringList &errors)
{
    if (source.IntroProblem.isEmpty() || source.IntroSolution.isEmpty())
        errors.append(u"记录 1（类型介绍）：[intro] 需要 problem 和 solution"_s);
    const EncodedRecord intro = EncodeProblemRecord(source.IntroProblem, source.IntroSolution, {});
    if (!intro.ok())
        errors.append(u"记录 1（类型介绍）："_s % intro.Error);
}

} // namespace

ParsedSource ParseBankSourceText(const QString &toml, const QString &sourceName)
{
    const AsciiToml ascii = ToAsciiToml(toml);
    if (!ascii.ok())
        return {{},
                sourceName % u":"_s % QString::number(ascii.ErrorLine) % u": 字符“"_s %
                    ascii.ErrorCharacter % u"”不能写在引号外面（中文只能写在字符串或注释里）"_s};
    const QByteArray utf8 = ascii.Text.toUtf8();
    try {
        const toml::table root =
            toml::parse(std::string_view(utf8.constData(), utf8.size()), sourceName.toStdString());
        return {SourceFrom(root), {}};
    } catch (const toml::parse_error &error) {
        const auto &where = error.source().begin;
        return {{},
                sourceName % u":"_s % QString::number(where.line) % u": "_s %
                    FromToml(error.description())};
    }
}

ParsedSource ParseBankSource(const QString &path)
{
    QFile file;
    if (!OpenRegularFile(file, path))
        return {{}, path % u": 无法打开（不存在或不是普通文件）"_s};
    return ParseBankSourceText(QString::fromUtf8(file.readAll()), path);
}

QStringList ValidateBankSource(const BankSource &source)
{
    QStringList errors;
    CheckIntro(source, errors);
    if (source.Problems.size() < 15)
        errors.append(u"题目太少：测试需要至少 15 道题（现有 "_s %
                      QString::number(source.Problems.size()) % u" 道）"_s);
    QSet<QString> seen;
    for (qsizetype i = 0; i < source.Problems.size(); ++i) {
        const SourceProblem &problem = source.Problems[i];
        for (const QString &reason : ProblemReasons(problem))
            errors.append(RecordName(i) % u"："_s % reason);
        if (seen.contains(problem.Text))
            errors.append(RecordName(i) % u"：与前面的题目重复"_s);
        seen.insert(problem.Text);
    }
    return errors;
}

QList<MistakeNote> CompileMistakeNotes(const BankSource &source)
{
    QList<MistakeNote> notes;
    for (qsizetype i = 0; i < source.Problems.size(); ++i) {
        const SourceProblem &problem = source.Problems[i];
        for (const QString &wrongLine : problem.Wrong) {
            for (const auto &[key, explanation] : problem.Mistakes) {
                if (key == wrongLine)
                    notes.append({int(i) + 2, wrongLine, explanation});
            }
        }
    }
    return notes;
}

QByteArray CompileBankSource(const BankSource &source)
{
    QByteArray bank = EncodeProblemRecord(source.IntroProblem, source.IntroSolution, {}).Bytes;
    for (const SourceProblem &problem : source.Problems)
        bank += EncodeProblemRecord(problem.Text, problem.Solution, problem.Answer).Bytes;
    return bank;
}
