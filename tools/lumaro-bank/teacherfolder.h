// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTextStream;

/// A runnable program folder for a teacher's own banks: the shipped program and the files
/// the teacher does not replace come from the shipped folder, the banks from the sources.
struct TeacherFolderRequest {
    QString folder;        ///< made when missing; a folder made earlier is brought up to date
    QStringList sources;   ///< bank sources, at most one per type
    QString shippedFolder; ///< the installed program folder
    /// Spoken narration needs this script, espeak-ng and sox; without them, or when
    /// `silent`, every example of a teacher's bank is narrated by silence.
    QString narrateScript;
    bool silent = false;
    QString menuFolder; ///< where the desktop entry goes
};

/// Makes the folder and its menu entry, telling `out` what it made and `err` what went
/// wrong; the exit status: 0, or 1 when a source or a file fails (then no entry is made).
int MakeTeacherFolder(const TeacherFolderRequest &request, QTextStream &out, QTextStream &err);

/// The menu's name for the program in a folder: "Lumaro（我的题库）" for ~/我的题库.
QString MenuName(const QString &folder);

/// The desktop entry that starts the program of a folder, or nothing when its path cannot
/// stand in one (a line break in it).
QString DesktopEntryText(const QString &folder);

/// The entry's file name: one per folder, so two folders get two entries.
QString DesktopEntryFileName(const QString &folder);

/// A short silence in the form the program plays (mono 16-bit PCM at 16 kHz).
QByteArray SilentWave();
