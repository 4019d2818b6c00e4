// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problemrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/// The longest explanation of a typical mistake, in characters: one short sentence a
/// 10-year-old reads beside the ×.
inline constexpr qsizetype MaxExplanationLength = 40;

/// What a pupil who wrote a typical wrong line is told about it.
struct MistakeNote {
    int record = 0;      ///< the problem's record number in its bank
    QString wrongLine;   ///< the wrong line, as the bank source lists it
    QString explanation; ///< at most MaxExplanationLength characters
    bool operator==(const MistakeNote &) const = default;
};

/// The explanations of a bank lie beside it in one GBK text file ("tm1.dat" has
/// "tm1.mistakes.txt"). The file names the bank it belongs to by the bank's SHA-256 and
/// guards its own lines by theirs, so a file left beside another bank, or damaged, gives no
/// explanations rather than wrong ones.
QString MistakesPath(const QString &bankPath);

/// The file's bytes for these notes, belonging to a bank of bankBytes.
QByteArray MistakesFileBytes(const QList<MistakeNote> &notes, QByteArrayView bankBytes);

/// The explanations of a bank, as read: none when the file is missing, and none, with the
/// reason, when it is damaged or belongs to another bank.
struct MistakeBook {
    enum class State { Missing, Damaged, Sound };
    State fileState = State::Missing;
    QString damage;
    QList<MistakeNote> notes;
};
MistakeBook ReadMistakeBook(const QString &bankPath);

/// The notes of one record.
QList<MistakeNote> NotesOfRecord(const QList<MistakeNote> &notes, int record);

/// The value a wrong line stands for, read as the judge reads a pupil's expression; nothing
/// for an equation or a line that has no value.
std::optional<double> WrongLineValue(const QString &wrongLine);

/// Whether a pupil's line, judged wrong, is the mistake a wrong line shows: the line judged
/// against the wrong line's value comes out right. An equation wrong line matches only itself
/// (blanks aside).
bool MatchesWrongLine(const QString &pupilLine, const QString &wrongLine);

/// The explanation for a pupil's wrong line among a record's notes; empty when none matches.
QString ExplanationFor(const QList<MistakeNote> &recordNotes, const QString &pupilLine);

/// Why a note cannot ship with its problem: its wrong line not listed, too long an
/// explanation, or a line one of the two checks judges right against answerText. Empty when
/// it is sound.
QStringList NoteReasons(const MistakeNote &note, const QStringList &listedWrongLines,
                        const QString &answerText);

/// Every fault of the explanations beside a bank, each naming its record; empty when the
/// file is sound or missing.
QStringList CheckMistakesFile(const QString &bankPath);
