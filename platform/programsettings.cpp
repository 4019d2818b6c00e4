// SPDX-License-Identifier: GPL-3.0-or-later
#include "programsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ProgramSettings::path(const QString &name) const
{
    return JoinProgramPath(ProgramFolder, name);
}

QString JoinProgramPath(const QString &folder, const QString &name)
{
    if (!name.startsWith(u'\\'))
        return folder + name;
    QString tail = name;
    tail.replace(u'\\', QDir::separator());
    return folder + tail;
}

QString ProgramFolderOf(const QString &programFile)
{
    const QFileInfo program(programFile);
    const QString real = program.canonicalFilePath();
    QString folder =
        QDir::toNativeSeparators(real.isEmpty() ? program.absolutePath() : QFileInfo(real).path());
    while (folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
}

QString ExecutableFolder()
{
    // The system's own link to the running program can be read before the application object
    // is made, and the program's faces are added before it.
    const QString running = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return ProgramFolderOf(running.isEmpty() ? QCoreApplication::applicationFilePath() : running);
}
