// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

/// Width in bytes of one bank record on disk, and of its three fields.
inline constexpr int RecordBytes = 470;
inline constexpr int ProblemTextBytes = 200;
inline constexpr int SolutionTextBytes = 260;
inline constexpr int AnswerTextBytes = 10;

/// The end marker of a problem or solution text; nothing after it is ever shown.
inline constexpr char16_t TextMarker = u'&';

/// One problem of a bank, decoded from GBK. Each field is padded with blanks to its
/// capacity (200, 260 and 10 characters).
struct ProblemRecord {
    QString ProblemText;
    QString SolutionText;
    QString AnswerText;

    /// A record of blanks only: what reading past the end of a bank gives.
    static ProblemRecord Blank();
    bool operator==(const ProblemRecord &) const = default;
};

/// The record count and one record, taken in a single opening of the bank.
struct BankSnapshot {
    int RecordCount = 0;
    ProblemRecord record;
};

/// Number of whole 470-byte records in the bank; 0 for a missing or unreadable file.
int BankRecordCount(const QString &bankPath);

/// Record k (1-based) of the bank; a blank record when k is not in 1 … count.
ProblemRecord ReadProblemRecord(const QString &bankPath, int k);

/// The record count and record k, read in one opening of the bank.
BankSnapshot ReadBankSnapshot(const QString &bankPath, int k);

/// Decodes one record from its 470 bytes (shorter input is padded with blanks).
ProblemRecord DecodeProblemRecord(QByteArrayView bytes);

/// The part of a field before its first "&"; the whole field when it has no marker.
QString TextBeforeMarker(const QString &field);

/// Whether a field holds its end marker.
bool HasMarker(const QString &field);

/// The text without the blanks (of any kind) at its end, as shown and printed: a field's
/// padding, or what an editor left after its last word.
QString WithoutTrailingBlanks(QString text);

/// The part of a field that is written out: the text before its first "&", or, for a field
/// that lacks its marker, the whole field without its trailing blanks.
QString TypedPartOf(const QString &field);

/// Encodes three texts (without their markers) as one record: the marker is appended to
/// the problem and the solution, and every field is padded with blanks. Returns the reason
/// when a text does not fit its field, holds a marker of its own or is not expressible in
/// GBK.
struct EncodedRecord {
    QByteArray bytes;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
EncodedRecord EncodeProblemRecord(const QString &problem, const QString &solution,
                                  const QString &answer);

/// Three texts laid into a record's fields as they stand: no marker is added, and each is cut
/// or padded with blanks to its field's width. For banks that break the rules on purpose.
QByteArray RawProblemRecord(const QString &problem, const QString &solution, const QString &answer);

/// GBK bytes of a text, or nothing when a character has no GBK form.
std::optional<QByteArray> EncodeGbk(const QString &text);

/// Text of GBK bytes; bytes that are not valid GBK become U+FFFD.
QString DecodeGbk(QByteArrayView bytes);
