// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacherfolder.h"

#include "bankchecksum.h"
#include "banksource.h"
#include "fileoutput.h"
#include "mistakes.h"
#include "narration.h"
#include "problemrecord.h"
#include "readings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextStream>
#include <QtEndian>

#include <cerrno>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A teacher's bank, compiled, with the source it came from.
struct TeacherBank {
    QString source;
    QByteArray bytes;
    int records = 0;
    QByteArray mistakes; ///< the explanations file, tied to Bytes
};

using TeacherBanks = QMap<int, TeacherBank>;

QString BankFileName(int type)
{
    return u"tm"_s % QString::number(type) % u".dat"_s;
}

QString NarrationPrefix(int type)
{
    return u"jiangjie"_s + QString::number(type);
}

bool ReadTeacherBank(const QString &path, TeacherBanks &banks, QTextStream &err)
{
    const ParsedSource parsed = ParseBankSource(path);
    if (!parsed.ok()) {
        err << parsed.error << Qt::endl;
        return false;
    }
    QStringList errors = ValidateBankSource(parsed.source);
    const int type = parsed.source.type;
    if (type < 1 || type > 5)
        errors.prepend(u"type 必须是 1 到 5 的整数（1 加减、2 乘除、3 分数、4 比例、5 综合）"_s);
    else if (banks.contains(type))
        errors.prepend(u"与 "_s % banks[type].source % u" 都是 type = "_s % QString::number(type) %
                       u"：每种题型只能有一个源文件"_s);
    for (const QString &error : errors)
        err << path << u": "_s << error << Qt::endl;
    if (!errors.isEmpty())
        return false;
    const QByteArray bytes = CompileBankSource(parsed.source);
    banks.insert(type, {path, bytes, int(parsed.source.problems.size()) + 1,
                        MistakesFileBytes(CompileMistakeNotes(parsed.source), bytes)});
    return true;
}

/// Every source read; all of them are checked, so one run names every fault.
bool ReadTeacherBanks(const QStringList &sources, TeacherBanks &banks, QTextStream &err)
{
    bool ok = true;
    for (const QString &source : sources)
        ok = ReadTeacherBank(source, banks, err) && ok;
    return ok;
}

/// The type a bank, checksum or narration file belongs to, or 0 for any other file.
int TypeOfFile(const QString &name)
{
    static const QRegularExpression typed(
        u"^(?:tm([1-5])\\.(?:dat|sha256|mistakes\\.txt)|jiangjie([1-5])\\d+\\.(?:ogg|wav))$"_s);
    const QRegularExpressionMatch match = typed.match(name);
    if (!match.hasMatch())
        return 0;
    return (match.captured(1).isEmpty() ? match.captured(2) : match.captured(1)).toInt();
}

/// The shipped files the teacher's folder borrows: the sounds and the module that plays
/// them, and the banks and narration of the types the teacher does not replace.
bool IsBorrowed(const QString &name, const TeacherBanks &banks)
{
    static const QStringList sounds = {u"ptq.wav"_s, u"dui.wav"_s, u"zhadan.wav"_s, u"alert.wav"_s,
                                       u"lumaro-sound.so"_s};
    const int type = TypeOfFile(name);
    return sounds.contains(name) || (type != 0 && !banks.contains(type));
}

/// The folder of the program's faces, borrowed whole.
const QString FacesFolder = u"fonts"_s;

/// A file of the teacher's types left from an earlier run, which would speak or judge the
/// old bank.
bool IsOfTeacherType(const QString &name, const TeacherBanks &banks)
{
    return banks.contains(TypeOfFile(name));
}

bool Fail(QTextStream &err, const QString &path, const QString &reason)
{
    err << path << u": "_s << reason << Qt::endl;
    return false;
}

bool RemoveEntry(const QString &path, QTextStream &err)
{
    if (!QFileInfo(path).isSymLink() && !QFileInfo::exists(path))
        return true;
    errno = 0;
    if (::unlink(QFile::encodeName(path).constData()) == 0)
        return true;
    return Fail(err, path, u"无法删除旧文件："_s % SystemErrorText(errno));
}

/// The program finds its files beside its real file, so it is a hard link here, or where
/// the system allows none (another file system, a file of another owner) a copy.
bool PlaceProgram(const QString &shipped, const QString &folder, QTextStream &out, QTextStream &err)
{
    const QString from = QDir(shipped).filePath(u"lumaro"_s);
    const QString to = QDir(folder).filePath(u"lumaro"_s);
    if (!RemoveEntry(to, err))
        return false;
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    const QString why = SystemErrorText(errno);
    if (!QFile::copy(from, to))
        return Fail(err, to, u"无法从 "_s % from % u" 复制程序"_s);
    out << u"程序文件不能硬链接（"_s << why << u"），已复制一份（"_s
        << QFileInfo(to).size() / (1024 * 1024) << u" MB）；安装新版本后请再运行一次本命令"_s
        << Qt::endl;
    return true;
}

bool LinkShippedFiles(const QString &shipped, const QString &folder, const TeacherBanks &banks,
                      QTextStream &err)
{
    const QDir from(shipped);
    const QDir to(folder);
    for (const QString &name : to.entryList(QDir::Files | QDir::System)) {
        if (IsOfTeacherType(name, banks) && !RemoveEntry(to.filePath(name), err))
            return false;
    }
    QStringList borrowed = from.entryList(QDir::Files);
    if (from.exists(FacesFolder))
        borrowed << FacesFolder;
    for (const QString &name : std::as_const(borrowed)) {
        if (name != FacesFolder && !IsBorrowed(name, banks))
            continue;
        const QString link = to.filePath(name);
        if (!RemoveEntry(link, err))
            return false;
        if (!QFile::link(from.filePath(name), link))
            return Fail(err, link, u"无法建立指向 "_s % from.filePath(name) % u" 的链接"_s);
    }
    return true;
}

bool WriteTeacherBanks(const QString &folder, const TeacherBanks &banks, QTextStream &out,
                       QTextStream &err)
{
    for (auto bank = banks.begin(); bank != banks.end(); ++bank) {
        const QString path = QDir(folder).filePath(BankFileName(bank.key()));
        const QString checksum = BankChecksumPath(path);
        QString error;
        if (!WriteFileAtomically(path, bank->bytes, error))
            return Fail(err, path, error);
        if (!WriteFileAtomically(checksum, BankChecksumText(bank->bytes, BankFileName(bank.key())),
                                 error))
            return Fail(err, checksum, error);
        const QString mistakes = MistakesPath(path);
        if (!WriteFileAtomically(mistakes, bank->mistakes, error))
            return Fail(err, mistakes, error);
        out << path << u": 已写入，共 "_s << bank->records << u" 条记录（来自 "_s << bank->source
            << u"）"_s << Qt::endl;
    }
    return true;
}

// The player goes by a sound file's content, not its name: a silent wave under the narration's
// name plays as silence.
bool WriteSilentNarration(const QString &folder, int type, int records, QTextStream &err)
{
    const QByteArray silence = SilentWave();
    for (int k = 1; k <= records; ++k) {
        const QString path =
            QDir(folder).filePath(NarrationPrefix(type) % QString::number(k) % u".ogg"_s);
        QString error;
        if (!WriteFileAtomically(path, silence, error))
            return Fail(err, path, error);
    }
    return true;
}

bool SpeakNarration(const TeacherFolderRequest &request, int type, int records, QTextStream &out,
                    QTextStream &err)
{
    const QString bank = QDir(request.folder).filePath(BankFileName(type));
    const QString texts = QDir(request.folder).filePath(u".narration"_s);
    QString error;
    if (!WriteNarrationInputs(bank, records, texts, NarrationPrefix(type), ReadingTable::BuiltIn(),
                              error)) {
        err << error << Qt::endl;
        return false;
    }
    out << u"正在朗读 "_s << BankFileName(type) << u" 的 "_s << records << u" 段例题讲解……"_s
        << Qt::endl;
    QProcess speak;
    speak.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    speak.start(u"bash"_s, {request.narrateScript, texts, NarrationPrefix(type), request.folder});
    if (!speak.waitForFinished(-1) || speak.exitStatus() != QProcess::NormalExit ||
        speak.exitCode() != 0)
        return Fail(err, request.narrateScript, u"朗读失败，例题讲解没有生成配音"_s);
    return true;
}

bool CanSpeak(const TeacherFolderRequest &request)
{
    return !request.narrateScript.isEmpty() &&
           !QStandardPaths::findExecutable(u"espeak-ng"_s).isEmpty() &&
           !QStandardPaths::findExecutable(u"sox"_s).isEmpty() &&
           !QStandardPaths::findExecutable(u"opusenc"_s).isEmpty();
}

bool NarrateTeacherBanks(const TeacherFolderRequest &request, const TeacherBanks &banks,
                         QTextStream &out, QTextStream &err)
{
    const bool speak = !request.silent && CanSpeak(request);
    if (!request.silent && !speak)
        out << u"没有找到 espeak-ng、sox 或 opusenc：例题讲解暂时没有配音（不会播放原题库的讲解）。"
               u"安装后（sudo apt install espeak-ng sox opus-tools）再运行一次本命令即可配音"_s
            << Qt::endl;
    for (auto bank = banks.begin(); bank != banks.end(); ++bank) {
        const bool made =
            speak ? SpeakNarration(request, bank.key(), bank->records, out, err)
                  : WriteSilentNarration(request.folder, bank.key(), bank->records, err);
        if (!made)
            return false;
    }
    return true;
}

bool WriteMenuEntry(const TeacherFolderRequest &request, QTextStream &out, QTextStream &err)
{
    if (request.menuFolder.isEmpty())
        return Fail(err, request.folder,
                    u"找不到用户的菜单文件夹（没有设置 HOME），没有建菜单项"_s);
    const QString entry = DesktopEntryText(request.folder);
    if (entry.isEmpty())
        return Fail(err, request.folder, u"路径中有换行，无法做菜单项；请换一个文件夹名"_s);
    QDir().mkpath(request.menuFolder);
    const QString path = QDir(request.menuFolder).filePath(DesktopEntryFileName(request.folder));
    QString error;
    if (!WriteFileAtomically(path, entry.toUtf8(), error))
        return Fail(err, path, error);
    out << u"菜单项“"_s << MenuName(request.folder) << u"”："_s << path << Qt::endl;
    return true;
}

bool CheckFolders(const TeacherFolderRequest &request, QTextStream &err)
{
    if (!QFileInfo(QDir(request.shippedFolder).filePath(u"lumaro"_s)).isExecutable())
        return Fail(err, request.shippedFolder, u"这里没有 Lumaro 程序，无法建立程序文件夹"_s);
    // Files of the names this folder uses are replaced, so a folder holding anything else
    // must have been made by this command before.
    const QDir existing(request.folder);
    if (existing.exists() &&
        !existing.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) &&
        !QFileInfo(existing.filePath(u"lumaro"_s)).isFile())
        return Fail(err, request.folder,
                    u"这个文件夹里已经有别的文件，不是 Lumaro 程序文件夹；请给一个新的文件夹名"_s);
    QDir().mkpath(request.folder);
    const QFileInfo folder(request.folder);
    if (!folder.isDir())
        return Fail(err, request.folder, u"无法建立这个文件夹"_s);
    if (folder.canonicalFilePath() == QFileInfo(request.shippedFolder).canonicalFilePath())
        return Fail(err, request.folder, u"这是安装的程序文件夹，请另选一个文件夹"_s);
    return true;
}

QString QuotedExecArgument(const QString &path)
{
    QString quoted = path;
    for (const QString &special : {u"\\"_s, u"\""_s, u"`"_s, u"$"_s})
        quoted.replace(special, u"\\"_s + special);
    quoted.replace(u"%"_s, u"%%"_s);
    // The value of a key is itself a string whose backslashes are escaped.
    quoted.replace(u"\\"_s, u"\\\\"_s);
    return u"\""_s % quoted % u"\""_s;
}

} // namespace

QString MenuName(const QString &folder)
{
    return u"Lumaro（"_s % QFileInfo(QDir::cleanPath(folder)).fileName() % u"）"_s;
}

QString DesktopEntryFileName(const QString &folder)
{
    const QByteArray hash = QCryptographicHash::hash(
        QDir::cleanPath(QFileInfo(folder).absoluteFilePath()).toUtf8(), QCryptographicHash::Sha256);
    return u"lumaro-"_s % QString::fromLatin1(hash.toHex().left(16)) % u".desktop"_s;
}

QString DesktopEntryText(const QString &folder)
{
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (absolute.contains(u'\n') || absolute.contains(u'\r'))
        return {};
    const QString program = QDir(absolute).filePath(u"lumaro"_s);
    QString programText = program;
    programText.replace(u"\\"_s, u"\\\\"_s);
    // TryExec hides the entry once the folder is gone.
    return u"[Desktop Entry]\nType=Application\nName="_s % MenuName(absolute) %
           u"\nComment=用自己的题库学习应用题："_s % absolute % u"\nTryExec="_s % programText %
           u"\nExec="_s % QuotedExecArgument(program) %
           u"\nIcon=org.lumaro.Lumaro\nTerminal=false\n"
           u"Categories=Education;Math;\n"_s;
}

QByteArray SilentWave()
{
    constexpr quint32 Rate = 16000;
    constexpr quint32 DataBytes = Rate / 10 * 2; // a tenth of a second
    QByteArray wave;
    const auto put32 = [&wave](quint32 value) {
        const quint32 little = qToLittleEndian(value);
        wave.append(reinterpret_cast<const char *>(&little), 4);
    };
    const auto put16 = [&wave](quint16 value) {
        const quint16 little = qToLittleEndian(value);
        wave.append(reinterpret_cast<const char *>(&little), 2);
    };
    wave.append("RIFF");
    put32(36 + DataBytes);
    wave.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(Rate);
    put32(Rate * 2);
    put16(2);
    put16(16);
    wave.append("data");
    put32(DataBytes);
    wave.append(QByteArray(DataBytes, '\0'));
    return wave;
}

int MakeTeacherFolder(const TeacherFolderRequest &request, QTextStream &out, QTextStream &err)
{
    TeacherBanks banks;
    if (!ReadTeacherBanks(request.sources, banks, err) || !CheckFolders(request, err))
        return 1;
    const bool made = PlaceProgram(request.shippedFolder, request.folder, out, err) &&
                      LinkShippedFiles(request.shippedFolder, request.folder, banks, err) &&
                      WriteTeacherBanks(request.folder, banks, out, err) &&
                      NarrateTeacherBanks(request, banks, out, err) &&
                      WriteMenuEntry(request, out, err);
    if (made)
        out << u"程序文件夹已建好：从菜单启动“"_s << MenuName(request.folder) << u"”，或运行 "_s
            << QDir(QFileInfo(request.folder).absoluteFilePath()).filePath(u"lumaro"_s) << Qt::endl;
    return made ? 0 : 1;
}
