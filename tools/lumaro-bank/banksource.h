// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mistakes.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

/// One problem as a teacher writes it in a bank source, with the answer lines that prove
/// the bank judges it right.
struct SourceProblem {
    QString Text;
    QString Solution;
    QString Answer;
    QStringList Expressions; ///< right by the practice and the test checks
    QStringList Equations;   ///< right by the practice check
    QStringList Wrong;       ///< wrong by both checks
    /// The answer stands in the text on purpose, so copying it is not a way to score.
    bool AnswerInText = false;
    /// What a pupil who writes one of the wrong lines is told: wrong line, explanation.
    QList<QPair<QString, QString>> Mistakes = {};
};

/// A readable bank source: the type's introduction (record 1) and its problems.
struct BankSource {
    int Type = 0;
    QString Title;
    QString IntroProblem;
    QString IntroSolution;
    QList<SourceProblem> Problems;
};

/// A source read from TOML, or the reason it could not be read.
struct ParsedSource {
    BankSource Source;
    QString Error;
    bool ok() const { return Error.isEmpty(); }
};

ParsedSource ParseBankSource(const QString &path);
ParsedSource ParseBankSourceText(const QString &toml, const QString &sourceName);

/// Every reason a source cannot become a bank, each naming its record.
QStringList ValidateBankSource(const BankSource &source);

/// The explanations of the typical mistakes, each with its record number, in the order of
/// the problems and of their wrong lines.
QList<MistakeNote> CompileMistakeNotes(const BankSource &source);

/// The bank file's bytes (470 per record). Only meaningful for a source that validated.
QByteArray CompileBankSource(const BankSource &source);
