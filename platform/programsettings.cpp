// SPDX-License-Identifier: GPL-3.0-or-later
#include "programsettings.h"

#include <QCoreApplication>
#include <QDir>

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

QString ExecutableFolder()
{
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    while (folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
}
