// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

/// The names, each beginning with "\", of the files the program reads from its folder: the
/// five banks with their checksums, the title music, the right, wrong and alert sounds, and the
/// narration of every record of each bank that is there (a bank of n records is narrated by n
/// files).
QStringList ProgramFileNames(const QString &programFolder);

/// The names of the files the program reads when they are there and does without otherwise:
/// the explanations of each bank's typical mistakes.
QStringList OptionalProgramFileNames();

/// Those of ProgramFileNames that are missing, unreadable, or (for a sound) not a sound file
/// the program can play, cut short, or damaged at either end. A narration file damaged in the
/// middle is found only when it is played, and plays the alert sound then.
QStringList MissingProgramFiles(const QString &programFolder);

/// Writes one line per missing program file, naming its full path, and nothing when all are
/// there. The program writes this to its error output at start, so whoever starts it from a
/// terminal, and the package test, sees at once what an installation lacks.
void ReportMissingProgramFiles(const QString &programFolder, QTextStream &out);
