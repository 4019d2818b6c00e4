// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes.h"

#include "answercheck.h"
#include "evaluator.h"
#include "numbertext.h"
#include "regularfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray Magic = "LUMARO-MISTAKES 1";
constexpr QByteArrayView LineEnd = "\r\n";
/// Far more than five hundred short notes take: anything larger is no explanations file.
constexpr qint64 LargestFile = 1024 * 1024;

QByteArray DigestHex(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QString Blankless(QString line)
{
    return line.remove(u' ');
}

/// A field of a note line cannot hold the separators of the file itself.
bool FitsOnNoteLine(const QString &text)
{
    return !text.isEmpty() && !text.contains(u'\t') && !text.contains(u'\r') &&
           !text.contains(u'\n');
}

/// Text a pupil can read: bytes that are no GBK character decode to the replacement
/// character or to the private-use area, and control characters other than the file's own
/// separators show as boxes.
bool IsReadableText(QStringView text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        const QChar::Category category = c.category();
        return c == QChar::ReplacementCharacter || category == QChar::Other_PrivateUse ||
               (category == QChar::Other_Control && c != u'\t' && c != u'\r' && c != u'\n');
    });
}

MistakeBook Damaged(const QString &reason)
{
    return {MistakeBook::State::Damaged, reason, {}};
}

std::optional<MistakeNote> NoteFromLine(const QString &line, int recordCount)
{
    const QStringList fields = line.split(u'\t');
    if (fields.size() != 3)
        return std::nullopt;
    static const QRegularExpression digits(u"^[0-9]{1,5}$"_s);
    if (!digits.match(fields[0]).hasMatch())
        return std::nullopt;
    const MistakeNote note{fields[0].toInt(), fields[1], fields[2]};
    if (note.record < 2 || note.record > recordCount || note.wrongLine.isEmpty() ||
        note.explanation.isEmpty() || note.explanation.size() > MaxExplanationLength)
        return std::nullopt;
    return note;
}

/// The notes of a file's body, or nothing when one line is not a sound note.
std::optional<QList<MistakeNote>> NotesFromBody(QByteArrayView body, int recordCount)
{
    const QString text = DecodeGbk(body);
    if (!IsReadableText(text) || (!text.isEmpty() && !text.endsWith(u"\r\n"_s)))
        return std::nullopt;
    QList<MistakeNote> notes;
    QStringList lines = text.split(u"\r\n"_s);
    lines.removeLast();
    for (const QString &line : lines) {
        const std::optional<MistakeNote> note = NoteFromLine(line, recordCount);
        if (!note)
            return std::nullopt;
        notes.append(*note);
    }
    return notes;
}

MistakeBook BookFromBytes(QByteArrayView file, QByteArrayView bank)
{
    const qsizetype headerEnd = file.indexOf(LineEnd);
    if (headerEnd < 0)
        return Damaged(u"第一行不完整"_s);
    const QList<QByteArray> header = file.first(headerEnd).toByteArray().split(' ');
    const QByteArrayView body = file.sliced(headerEnd + LineEnd.size());
    if (header.size() != 4 || header[0] + ' ' + header[1] != Magic)
        return Damaged(u"不是 Lumaro 的错因说明文件"_s);
    if (header[2] != DigestHex(bank))
        return Damaged(u"属于另一个题库（用 lumaro-bank build 重新生成）"_s);
    if (header[3] != DigestHex(body))
        return Damaged(u"内容与校验值不符，文件有错误"_s);
    const std::optional<QList<MistakeNote>> notes =
        NotesFromBody(body, int(bank.size() / RecordBytes));
    if (!notes)
        return Damaged(u"有一行不是“记录号、错误答案、说明”"_s);
    return {MistakeBook::State::Sound, {}, *notes};
}

std::optional<QByteArray> WholeFile(const QString &path, qint64 largest)
{
    QFile file;
    if (!OpenRegularFile(file, path) || file.size() > largest)
        return std::nullopt;
    return file.read(largest);
}

} // namespace

QString MistakesPath(const QString &bankPath)
{
    const QString stem =
        bankPath.endsWith(u".dat"_s, Qt::CaseInsensitive) ? bankPath.chopped(4) : bankPath;
    return stem + u".mistakes.txt"_s;
}

QByteArray MistakesFileBytes(const QList<MistakeNote> &notes, QByteArrayView bankBytes)
{
    QString body;
    for (const MistakeNote &note : notes)
        body += QString::number(note.record) % u'\t' % note.wrongLine % u'\t' % note.explanation %
                u"\r\n"_s;
    const QByteArray bodyBytes = EncodeGbk(body).value_or(QByteArray());
    return Magic + ' ' + DigestHex(bankBytes) + ' ' + DigestHex(bodyBytes) + "\r\n" + bodyBytes;
}

MistakeBook ReadMistakeBook(const QString &bankPath)
{
    QFile probe(MistakesPath(bankPath));
    if (!probe.exists())
        return {};
    const std::optional<QByteArray> file = WholeFile(MistakesPath(bankPath), LargestFile);
    if (!file)
        return Damaged(u"无法读取（不是普通文件或太大）"_s);
    QFile bank;
    if (!OpenBankFile(bank, bankPath))
        return Damaged(u"题库无法打开"_s);
    return BookFromBytes(*file, bank.read(qMin(bank.size(), MaxBankBytes)));
}

QList<MistakeNote> NotesOfRecord(const QList<MistakeNote> &notes, int record)
{
    QList<MistakeNote> found;
    for (const MistakeNote &note : notes) {
        if (note.record == record)
            found.append(note);
    }
    return found;
}

std::optional<double> WrongLineValue(const QString &wrongLine)
{
    const QString working = NormalisedAnswerLine(wrongLine);
    if (working.contains(u'='))
        return std::nullopt;
    const EvalResult result = EvalBrackets(working);
    if (result.outcome != EvalOutcome::Value)
        return std::nullopt;
    return RoundToPrintedDigits(result.value);
}

bool MatchesWrongLine(const QString &pupilLine, const QString &wrongLine)
{
    if (Blankless(pupilLine) == Blankless(wrongLine))
        return true;
    const std::optional<double> value = WrongLineValue(wrongLine);
    return value && CheckAgainstValue(pupilLine, *value).right;
}

QString ExplanationFor(const QList<MistakeNote> &recordNotes, const QString &pupilLine)
{
    for (const MistakeNote &note : recordNotes) {
        if (MatchesWrongLine(pupilLine, note.wrongLine))
            return note.explanation;
    }
    return {};
}

QStringList NoteReasons(const MistakeNote &note, const QStringList &listedWrongLines,
                        const QString &answerText)
{
    QStringList reasons;
    const QString quoted = u"错因说明 “"_s % note.wrongLine % u"”"_s;
    if (!listedWrongLines.contains(note.wrongLine))
        reasons.append(quoted % u" 不是本题 wrong 里的错误答案"_s);
    if (note.explanation.size() > MaxExplanationLength)
        reasons.append(quoted % u" 超过 "_s % QString::number(MaxExplanationLength) % u" 个字"_s);
    if (!FitsOnNoteLine(note.wrongLine) || !FitsOnNoteLine(note.explanation) ||
        !IsReadableText(note.explanation) || !EncodeGbk(note.explanation) ||
        !EncodeGbk(note.wrongLine))
        reasons.append(quoted % u" 为空、含制表符或换行，或有不能用 GBK 写出的字"_s);
    if (CheckAnswer(note.wrongLine, answerText).right)
        reasons.append(quoted % u" 在练习中被判为对"_s);
    if (GradeRow(note.wrongLine, answerText).right)
        reasons.append(quoted % u" 在测试中被判为对"_s);
    return reasons;
}

QStringList CheckMistakesFile(const QString &bankPath)
{
    const MistakeBook book = ReadMistakeBook(bankPath);
    const QString file = MistakesPath(bankPath);
    if (book.fileState == MistakeBook::State::Damaged)
        return {file % u"："_s % book.damage % u"，不会显示错因说明"_s};
    QStringList violations;
    for (const MistakeNote &note : book.notes) {
        const ProblemRecord record = ReadProblemRecord(bankPath, note.record);
        for (const QString &reason : NoteReasons(note, {note.wrongLine}, record.AnswerText))
            violations.append(file % u"：记录 "_s % QString::number(note.record) % u"："_s %
                              reason);
    }
    return violations;
}
