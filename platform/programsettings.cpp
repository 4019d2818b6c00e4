// SPDX-License-Identifier: GPL-3.0-or-later
#include "programsettings.h"

#include <QCoreApplication>
#include <QDir>
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
    return ProgramFolderOf(QCoreApplication::applicationFilePath());
}
