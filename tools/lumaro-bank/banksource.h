// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mistakes.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

/// How the answer stands in a problem's source: a quoted text, absent, or a bare value.
enum class AnswerWritten { Quoted, Missing, Unquoted, Misspelt };

/// One problem as a teacher writes it in a bank source, with the answer lines that prove
/// the bank judges it right.
struct SourceProblem {
    QString text;
    QString solution;
    QString answer;
    QStringList expressions; ///< right by the practice and the test checks
    QStringList equations;   ///< right by the practice check
    QStringList wrong;       ///< wrong by both checks
    /// The answer stands in the text on purpose, so copying it is not a way to score.
    bool answerInText = false;
    /// What a pupil who writes one of the wrong lines is told: wrong line, explanation.
    QList<QPair<QString, QString>> mistakes = {};
    int line = 0; ///< the line of its [[problem]] in the source, 0 when not read from one
    AnswerWritten answerForm = AnswerWritten::Quoted;
    QStringList keyProblems = {}; ///< its keys the program does not know, each with its line
    QString answerAsWritten = {}; ///< the bare value as it stands, for an unquoted answer
};

/// A readable bank source: the type's introduction (record 1) and its problems.
struct BankSource {
    int type = 0;
    QString title;
    QString introProblem;
    QString introSolution;
    QList<SourceProblem> problems;
    int introLine = 0;            ///< the line of [intro], 0 when there is none
    QStringList lines = {};       ///< the source's lines, to point at a character in them
    QStringList keyProblems = {}; ///< keys the program does not know, each with its line
};

/// A source read from TOML, or the reason it could not be read.
struct ParsedSource {
    BankSource source;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

ParsedSource ParseBankSource(const QString &path);
ParsedSource ParseBankSourceText(const QString &toml, const QString &sourceName);
/// As ParseBankSourceText, for the file's bytes: a built bank and text that is not UTF-8
/// are each refused with what to do.
ParsedSource ParseSourceBytes(const QByteArray &bytes, const QString &sourceName);

/// Bytes that are a bank source rather than a built bank: its section headers, or UTF-8
/// text of key lines that fills no whole number of records.
bool LooksLikeSource(const QByteArray &bytes);

/// The fewest problems a bank may hold: a test paper draws ten without repeats from the
/// problems practice does not keep for itself.
inline constexpr int MinimumProblemCount = 15;

/// Every reason a source cannot become a bank, each naming its record and its line.
QStringList ValidateBankSource(const BankSource &source);

/// The explanations of the typical mistakes, each with its record number, in the order of
/// the problems and of their wrong lines.
QList<MistakeNote> CompileMistakeNotes(const BankSource &source);

/// The bank file's bytes (470 per record). Only meaningful for a source that validated.
QByteArray CompileBankSource(const BankSource &source);
