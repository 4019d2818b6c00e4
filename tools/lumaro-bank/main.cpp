// SPDX-License-Identifier: GPL-3.0-or-later
// lumaro-bank: judge answers and build, check and read problem banks from the command line.
#include "answercheck.h"
#include "bankcheck.h"
#include "bankchecksum.h"
#include "banksource.h"
#include "evaluator.h"
#include "fileoutput.h"
#include "mistakes.h"
#include "narration.h"
#include "numbertext.h"
#include "problemrecord.h"
#include "readings.h"
#include "regularfile.h"
#include "teacherfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

#include <cerrno>
#include <functional>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Usage =
    u"用法：lumaro-bank eval 算式 | judge 答案 回答 | grade 答案 回答 | dump 题库 | "
    "check 题库 | build 源文件 题库 | folder 目录 源文件… [--silent] | narrate 题库 目录 前缀 "
    "[读音表] | speech 题库 [读音表] | "
    "--help"_s;

const QString Help = uR"(lumaro-bank：Lumaro 题库与判题工具（输入输出均为 UTF-8，题库文件为 GBK）

  eval 算式              计算算式：每个括号错误输出一行“表达式错误”，然后输出数值，
                         括号错误时输出“无结果”，计算中止时输出“中止：原因”
  judge 答案 回答        按练习的规则判断“回答”（算式或含 x 的方程）：先输出提示行，
                         再输出“对”或“错”
  grade 答案 回答        按测试试卷一行的规则判断，输出同上
  dump 题库              输出记录数和每条记录（题目、解答截到“&”，答案）；
                         无法打开题库时说明原因，退出码为 1
  check 题库             列出题库中每个违反约定之处及其记录号，题库与校验文件不符、
                         错因说明文件损坏或不符时指出该文件；有则退出码为 1
  build 源文件 题库      把 TOML 题库源文件编译成题库（每条 470 字节，GBK），并在旁边
                         写出它的 SHA-256 校验文件（tm1.dat 的是 tm1.sha256）和
                         错因说明文件（tm1.mistakes.txt，GBK）；
                         源文件有错时逐条列出原因（行号、记录号和原因），不写题库，
                         退出码为 1；一个题库至少 15 道题
  folder 目录 源文件… [--silent]
                         为自己的题库建一个可以运行的程序文件夹：链接安装的程序和声音，
                         编译各源文件（按其中的 type 成为 tm1.dat … tm5.dat），重新朗读
                         例题讲解（需要 espeak-ng 和 sox；--silent 或缺少它们时讲解无声），
                         并在菜单里加上“Lumaro（文件夹名）”；再运行一次即更新
  narrate 题库 目录 前缀 [读音表]
                         为每条记录写出语音引擎的输入：目录/前缀k.txt（只在内容改变时重写），
                         并把引擎及其参数逐行写入 目录/前缀.engine；narrate.sh 按此朗读
  speech 题库 [读音表]   逐条显示语音引擎所得的一切：引擎命令、嗓音、参数和输入文本
                         （数字已读成汉字，多音字已标拼音，各部分之间有停顿）
  读音表：补充或改正多音字读音的 TOML 文件（见 data/banks/README.md），可省略

eval、judge、grade 无论结果如何退出码均为 0；参数错误时退出码为 2。
)"_s;

QTextStream &Out()
{
    static QTextStream out(stdout);
    return out;
}

QTextStream &Err()
{
    static QTextStream err(stderr);
    return err;
}

void PrintBracketErrors(int count)
{
    for (int i = 0; i < count; ++i)
        Out() << u"表达式错误"_s << Qt::endl;
}

int Eval(const QStringList &args)
{
    const EvalResult result = EvalBrackets(args[0]);
    switch (result.outcome) {
    case EvalOutcome::Value:
        Out() << NumberText(result.value) << Qt::endl;
        break;
    case EvalOutcome::BracketError:
        PrintBracketErrors(1);
        Out() << u"无结果"_s << Qt::endl;
        break;
    case EvalOutcome::Aborted:
        Out() << u"中止："_s << result.abortReason << Qt::endl;
        break;
    }
    return 0;
}

int PrintVerdict(const Verdict &verdict)
{
    PrintBracketErrors(verdict.bracketErrors);
    Out() << (verdict.right ? u"对"_s : u"错"_s) << Qt::endl;
    return 0;
}

int Judge(const QStringList &args)
{
    return PrintVerdict(CheckAnswer(args[1], args[0]));
}

int Grade(const QStringList &args)
{
    return PrintVerdict(GradeRow(args[1], args[0]));
}

/// Why a bank cannot be read at all, or nothing when it can. An empty file is a bank of no
/// records; a missing one, a folder or a device is no bank.
QString UnreadableBankReason(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return u"文件不存在"_s;
    if (!info.isFile())
        return u"不是普通文件"_s;
    // Opened as the windows open it, so a file swapped for a FIFO meanwhile cannot block.
    QFile bank;
    errno = 0;
    if (!OpenBankFile(bank, path))
        return errno == 0 ? u"不是普通文件"_s : SystemErrorText(errno);
    return {};
}

/// A source given where a bank belongs is said so in one sentence, not checked record by
/// record as if it were one.
bool IsSourceGivenAsBank(const QString &path)
{
    QFile file;
    if (!OpenBankFile(file, path) || !LooksLikeSource(file.read(64 * 1024)))
        return false;
    Err() << path << u": 这是题库源文件（TOML），不是编译好的题库：请先用 lumaro-bank build "_s
          << path << u" tm1.dat 编译（tm1 … tm5 按题型），再对编译出的 .dat 文件运行本命令"_s
          << Qt::endl;
    return true;
}

int Dump(const QStringList &args)
{
    if (IsSourceGivenAsBank(args[0]))
        return 1;
    if (const QString reason = UnreadableBankReason(args[0]); !reason.isEmpty()) {
        Err() << args[0] << u": 无法打开题库（"_s << reason << u"）"_s << Qt::endl;
        return 1;
    }
    const int count = BankRecordCount(args[0]);
    Out() << u"记录数："_s << count << Qt::endl;
    for (int k = 1; k <= count; ++k) {
        const ProblemRecord record = ReadProblemRecord(args[0], k);
        Out() << u"["_s << k << u"]\n题目："_s << TextBeforeMarker(record.ProblemText)
              << u"\n解答："_s << TextBeforeMarker(record.SolutionText) << u"\n答案："_s
              << record.AnswerText.trimmed() << Qt::endl;
    }
    return 0;
}

int Check(const QStringList &args)
{
    if (IsSourceGivenAsBank(args[0]))
        return 1;
    QStringList violations = CheckBankFile(args[0]);
    violations += CheckMistakesFile(args[0]);
    for (const QString &violation : violations)
        Out() << violation << Qt::endl;
    if (violations.isEmpty())
        Out() << u"正常：共 "_s << BankRecordCount(args[0]) << u" 条记录"_s << Qt::endl;
    if (!HasBankChecksum(args[0]))
        Err() << args[0] << u": 没有校验文件 "_s << BankChecksumPath(args[0])
              << u"，只检查了记录（lumaro-bank build 会生成它）"_s << Qt::endl;
    if (ReadMistakeBook(args[0]).fileState == MistakeBook::State::Missing)
        Err() << args[0] << u": 没有错因说明文件 "_s << MistakesPath(args[0])
              << u"，练习和测试不显示错因说明"_s << Qt::endl;
    return violations.isEmpty() ? 0 : 1;
}

int Build(const QStringList &args)
{
    const ParsedSource parsed = ParseBankSource(args[0]);
    if (!parsed.ok()) {
        Err() << parsed.error << Qt::endl;
        return 1;
    }
    const QStringList errors = ValidateBankSource(parsed.source);
    for (const QString &error : errors)
        Err() << args[0] << u": "_s << error << Qt::endl;
    if (!errors.isEmpty())
        return 1;
    QString error;
    const QByteArray bank = CompileBankSource(parsed.source);
    if (!WriteFileAtomically(args[1], bank, error)) {
        Err() << args[1] << u": "_s << error << Qt::endl;
        return 1;
    }
    // Its own checksum beside it, so the windows take a rebuilt bank as sound.
    const QString checksum = BankChecksumPath(args[1]);
    if (!WriteFileAtomically(checksum, BankChecksumText(bank, QFileInfo(args[1]).fileName()),
                             error)) {
        Err() << checksum << u": "_s << error << Qt::endl;
        return 1;
    }
    // The explanations beside it, tied to these very bytes.
    const QString mistakes = MistakesPath(args[1]);
    if (!WriteFileAtomically(mistakes, MistakesFileBytes(CompileMistakeNotes(parsed.source), bank),
                             error)) {
        Err() << mistakes << u": "_s << error << Qt::endl;
        return 1;
    }
    Out() << args[1] << u": 已写入，共 "_s << parsed.source.problems.size() + 1 << u" 条记录"_s
          << Qt::endl;
    return 0;
}

/// The shipped readings, with a teacher's table on top when one is named.
bool LoadReadings(const QStringList &args, qsizetype at, ReadingTable &readings)
{
    readings = ReadingTable::BuiltIn();
    if (args.size() <= at)
        return true;
    QFile file(args[at]);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        Err() << args[at] << u": "_s << SystemErrorText(errno) << Qt::endl;
        return false;
    }
    QStringList errors;
    readings.merge(ReadingTable::FromToml(QString::fromUtf8(file.readAll()), errors));
    for (const QString &error : errors)
        Err() << args[at] << u": "_s << error << Qt::endl;
    return errors.isEmpty();
}

int OpenedBankCount(const QString &path)
{
    const int count = BankRecordCount(path);
    if (count == 0)
        Err() << path << u": 题库为空或无法打开"_s << Qt::endl;
    return count;
}

int Narrate(const QStringList &args)
{
    ReadingTable readings;
    const int count = OpenedBankCount(args[0]);
    if (count == 0 || !LoadReadings(args, 3, readings))
        return 1;
    QString error;
    if (!WriteNarrationInputs(args[0], count, args[1], args[2], readings, error)) {
        Err() << error << Qt::endl;
        return 1;
    }
    return 0;
}

int Speech(const QStringList &args)
{
    ReadingTable readings;
    const int count = OpenedBankCount(args[0]);
    if (count == 0 || !LoadReadings(args, 1, readings))
        return 1;
    const QString command = SpeechEngineCommand().join(u' ');
    for (int k = 1; k <= count; ++k) {
        Out() << u"["_s << k << u"] "_s << command << u" -f 输入\n"_s
              << EngineInput(NarrationParts(args[0], k, count), readings);
    }
    Out().flush();
    return 0;
}

/// narrate.sh where the package installs it beside the program folder, else beside the
/// sources this tool was built from.
QString NarrateScript(const QString &shippedFolder)
{
    const QStringList candidates = {
        QDir(shippedFolder).filePath(u"../../share/lumaro/banks/narrate.sh"_s),
        QStringLiteral(LUMARO_SOURCE_NARRATE_SCRIPT)};
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

int Folder(const QStringList &args)
{
    TeacherFolderRequest request;
    request.folder = args[0];
    for (const QString &arg : args.mid(1)) {
        if (arg == u"--silent"_s)
            request.silent = true;
        else
            request.sources.append(arg);
    }
    if (request.sources.isEmpty()) {
        Err() << Usage << Qt::endl;
        return 2;
    }
    request.shippedFolder = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    request.narrateScript = NarrateScript(request.shippedFolder);
    request.menuFolder = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    return MakeTeacherFolder(request, Out(), Err());
}

struct Command {
    int arguments;
    std::function<int(const QStringList &)> Run;
    int optional = 0; ///< arguments that may follow the required ones
};

const std::map<QString, Command> &Commands()
{
    static const std::map<QString, Command> commands = {
        {u"eval"_s, {1, Eval}},          {u"judge"_s, {2, Judge}},
        {u"grade"_s, {2, Grade}},        {u"dump"_s, {1, Dump}},
        {u"check"_s, {1, Check}},        {u"build"_s, {2, Build}},
        {u"narrate"_s, {3, Narrate, 1}}, {u"speech"_s, {1, Speech, 1}},
        {u"folder"_s, {2, Folder, 5}}};
    return commands;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 1 && (args[0] == u"--help"_s || args[0] == u"-h"_s)) {
        Out() << Help;
        return 0;
    }
    const auto command = args.isEmpty() ? Commands().end() : Commands().find(args[0]);
    const qsizetype given = args.size() - 1;
    if (command == Commands().end() || given < command->second.arguments ||
        given > command->second.arguments + command->second.optional) {
        Err() << Usage << Qt::endl;
        return 2;
    }
    return command->second.Run(args.mid(1));
}
