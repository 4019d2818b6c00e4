// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfiles.h"

#include "fonts.h"
#include "problemrecord.h"
#include "programsettings.h"
#include "sound.h"
#include "soundbackend.h"

#include <QFileInfo>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int BankCount = 5;

QString BankName(int type)
{
    return u"\\tm"_s + QString::number(type) + u".dat"_s;
}

QString ChecksumName(int type)
{
    return u"\\tm"_s + QString::number(type) + u".sha256"_s;
}

QString MistakesName(int type)
{
    return u"\\tm"_s + QString::number(type) + u".mistakes.txt"_s;
}

QString NarrationName(int type, int record)
{
    return u"\\jiangjie"_s + QString::number(type) + QString::number(record) + u".ogg"_s;
}

bool IsReadableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

bool IsSoundName(const QString &name)
{
    return name.endsWith(u".wav"_s) || name.endsWith(u".ogg"_s);
}

bool IsPresent(const QString &programFolder, const QString &name)
{
    const QString path = JoinProgramPath(programFolder, name);
    return IsSoundName(name) ? SoundFilePlayer::looksPlayable(path) : IsReadableFile(path);
}

} // namespace

QStringList ProgramFileNames(const QString &programFolder)
{
    QStringList names;
    for (int type = 1; type <= BankCount; ++type)
        names << BankName(type) << ChecksumName(type);
    names << u"\\ptq.wav"_s << u"\\dui.wav"_s << u"\\zhadan.wav"_s << u"\\alert.wav"_s;
    for (int type = 1; type <= BankCount; ++type) {
        const int records = BankRecordCount(JoinProgramPath(programFolder, BankName(type)));
        for (int record = 1; record <= records; ++record)
            names << NarrationName(type, record);
    }
    // Without it the program runs silent.
    names << u"\\"_s + SoundModuleFileName();
    // Without them the whole faces stand in, and every start is slower.
    for (const QString &face : Fonts::programFontFileNames())
        names << u"\\"_s + Fonts::programFontFolderName() + u"\\"_s + face;
    return names;
}

QStringList OptionalProgramFileNames()
{
    QStringList names;
    for (int type = 1; type <= BankCount; ++type)
        names << MistakesName(type);
    return names;
}

QStringList MissingProgramFiles(const QString &programFolder)
{
    QStringList missing;
    for (const QString &name : ProgramFileNames(programFolder)) {
        if (!IsPresent(programFolder, name))
            missing << name;
    }
    return missing;
}

void ReportMissingProgramFiles(const QString &programFolder, QTextStream &out)
{
    for (const QString &name : MissingProgramFiles(programFolder))
        out << u"Lumaro：程序文件夹中缺少文件 "_s << JoinProgramPath(programFolder, name)
            << Qt::endl;
}
