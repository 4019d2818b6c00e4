// SPDX-License-Identifier: GPL-3.0-or-later
#include "problemrecord.h"

#include "bankchecksum.h"
#include "regularfile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <climits>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ProblemChars = ProblemTextBytes;
constexpr int SolutionChars = SolutionTextBytes;
constexpr int AnswerChars = AnswerTextBytes;

QString PaddedTo(QString text, int capacity)
{
    if (text.size() < capacity)
        text.append(QString(capacity - text.size(), u' '));
    return text;
}

QString DecodeField(QByteArrayView record, int offset, int width, int capacity)
{
    return PaddedTo(DecodeGbk(record.sliced(offset, width)), capacity);
}

int CountOf(qint64 fileLength)
{
    const qint64 count = fileLength / RecordBytes;
    return count > INT_MAX ? INT_MAX : int(count);
}

ProblemRecord ReadOpenRecord(QFile &bank, int count, int k)
{
    if (k < 1 || k > count || !bank.seek(qint64(k - 1) * RecordBytes))
        return ProblemRecord::Blank();
    const QByteArray bytes = bank.read(RecordBytes);
    if (bytes.size() != RecordBytes)
        return ProblemRecord::Blank();
    return DecodeProblemRecord(bytes);
}

QString FieldError(const QString &name, const QString &text, int width)
{
    if (text.contains(TextMarker))
        return name % u" 含有结束标记“&”"_s;
    const auto bytes = EncodeGbk(text);
    if (!bytes)
        return name % u" 含有 GBK 无法表示的字符"_s;
    if (bytes->size() > width)
        return name % u" 太长：GBK 编码 "_s % QString::number(bytes->size()) % u" 字节，最多 "_s %
               QString::number(width) % u" 字节"_s;
    return {};
}

QByteArray PaddedBytes(QByteArray bytes, int width)
{
    bytes.truncate(width);
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

QByteArray RawField(const QString &text, int width)
{
    return PaddedBytes(EncodeGbk(text).value_or(QByteArray()), width);
}

} // namespace

ProblemRecord ProblemRecord::Blank()
{
    return {QString(ProblemChars, u' '), QString(SolutionChars, u' '), QString(AnswerChars, u' ')};
}

ProblemRecord DecodeProblemRecord(QByteArrayView bytes)
{
    QByteArray record = bytes.first(std::min<qsizetype>(bytes.size(), RecordBytes)).toByteArray();
    record.append(QByteArray(RecordBytes - record.size(), ' '));
    return {
        DecodeField(record, 0, ProblemTextBytes, ProblemChars),
        DecodeField(record, ProblemTextBytes, SolutionTextBytes, SolutionChars),
        DecodeField(record, ProblemTextBytes + SolutionTextBytes, AnswerTextBytes, AnswerChars)};
}

int BankRecordCount(const QString &bankPath)
{
    QFile bank;
    if (!OpenBankFile(bank, bankPath))
        return 0;
    return CountOf(bank.size());
}

BankSnapshot ReadBankSnapshot(const QString &bankPath, int k)
{
    QFile bank;
    if (!OpenBankFile(bank, bankPath))
        return {0, ProblemRecord::Blank()};
    const int count = CountOf(bank.size());
    if (!HasBankChecksum(bankPath))
        return {count, ReadOpenRecord(bank, count, k)};
    // The checksum covers the bytes just read, so nothing can change in between. A bank that
    // fails it gives blank records, which no window shows or judges: damage, as any other.
    const QByteArray bytes = bank.read(qMin(bank.size(), MaxBankBytes));
    if (bytes.size() != bank.size() ||
        CheckBankChecksum(bankPath, bytes) != ChecksumVerdict::Matches || k < 1 || k > count)
        return {count, ProblemRecord::Blank()};
    return {count, DecodeProblemRecord(
                       QByteArrayView(bytes).sliced(qsizetype(k - 1) * RecordBytes, RecordBytes))};
}

ProblemRecord ReadProblemRecord(const QString &bankPath, int k)
{
    return ReadBankSnapshot(bankPath, k).record;
}

QString TextBeforeMarker(const QString &field)
{
    const qsizetype marker = field.indexOf(TextMarker);
    return marker < 0 ? field : field.left(marker);
}

bool HasMarker(const QString &field)
{
    return field.contains(TextMarker);
}

QString WithoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

QString TypedPartOf(const QString &field)
{
    return HasMarker(field) ? TextBeforeMarker(field) : WithoutTrailingBlanks(field);
}

std::optional<QByteArray> EncodeGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    // Characters without a GBK form come back as substitutes, so only a clean round trip
    // proves the text survives.
    if (encoder.hasError() || DecodeGbk(bytes) != text)
        return std::nullopt;
    return bytes;
}

QString DecodeGbk(QByteArrayView bytes)
{
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    // A character cut off by the end of the bytes must show as damage, not vanish: a blank
    // after them makes the decoder settle it.
    QString text = decoder.decode(bytes.toByteArray() + ' ');
    text.chop(1);
    return text;
}

EncodedRecord EncodeProblemRecord(const QString &problem, const QString &solution,
                                  const QString &answer)
{
    QString error = FieldError(u"题目"_s, problem, ProblemTextBytes - 1);
    if (error.isEmpty())
        error = FieldError(u"解答"_s, solution, SolutionTextBytes - 1);
    if (error.isEmpty())
        error = FieldError(u"答案"_s, answer, AnswerTextBytes);
    if (!error.isEmpty())
        return {{}, error};
    const QString marker(TextMarker);
    return {RawProblemRecord(problem + marker, solution + marker, answer), {}};
}

QByteArray RawProblemRecord(const QString &problem, const QString &solution, const QString &answer)
{
    return RawField(problem, ProblemTextBytes) + RawField(solution, SolutionTextBytes) +
           RawField(answer, AnswerTextBytes);
}
