// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The program-wide settings: set by the main window's choice of problem type, read by the
/// learning windows, alive for the whole run.
struct ProgramSettings {
    /// The folder that holds the program file, without a trailing separator.
    QString ProgramFolder;
    /// The chosen problem bank, "\tm1.dat" … "\tm5.dat"; empty until a type is chosen.
    QString BankFileName;
    /// The start of the worked examples' narration files, "\jiangjie1" …; empty at start.
    QString ExampleSoundPrefix;

    /// ProgramFolder followed by name, as in path(u"\\dui.wav").
    QString path(const QString &name) const;
    /// The chosen problem bank's file.
    QString bankPath() const { return path(BankFileName); }
};

/// Appends a name that begins with "\" to a folder, writing each "\" as the native separator.
/// Any other name is appended as it stands.
QString JoinProgramPath(const QString &folder, const QString &name);

/// The folder that really holds programFile, without a trailing separator: links to the file
/// (or to a folder on its path) are followed, so the program started through a link in
/// /usr/bin finds the files lying beside it in its own folder. A file that cannot be resolved
/// gives the folder of its absolute path.
QString ProgramFolderOf(const QString &programFile);

/// The folder of the running program file, links resolved, without a trailing separator.
QString ExecutableFolder();
