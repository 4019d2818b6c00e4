// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QByteArray Encoded(const QString &path)
{
    return QFile::encodeName(path);
}

/// Why something that is not a folder stands at path; empty when a folder stands there.
QString InTheWay(const QString &path)
{
    struct stat status {};
    if (::stat(Encoded(path).constData(), &status) == 0)
        return S_ISDIR(status.st_mode) ? QString()
                                       : u"有一个同名文件挡住了文件夹："_s + Native(path);
    const int cause = errno;
    if (cause == ELOOP)
        return u"有一个绕成圈的链接挡住了文件夹："_s + Native(path);
    if (cause == EACCES)
        return u"没有进入文件夹的权限："_s + Native(QFileInfo(path).absolutePath());
    if (cause == ENOENT && QFileInfo(path).isSymLink())
        return u"有一个指向不存在的地方的链接挡住了文件夹："_s + Native(path);
    return u"文件夹没能建立（错误 "_s + QString::number(cause) + u"）："_s + Native(path);
}

/// Why the system would not make the folder path, from its error number.
QString CannotMake(int cause, const QString &path)
{
    const QString parent = Native(QFileInfo(path).absolutePath());
    switch (cause) {
    case EACCES:
    case EPERM:
        return u"没有写入权限，不能在这里建立文件夹："_s + parent;
    case EROFS:
        return u"磁盘只读，不能建立文件夹："_s + Native(path);
    case ENOSPC:
    case EDQUOT:
        return u"磁盘已满，不能建立文件夹："_s + Native(path);
    case ENAMETOOLONG:
        return u"文件夹名太长："_s + Native(path);
    default:
        break;
    }
    return u"文件夹没能建立（错误 "_s + QString::number(cause) + u"）："_s + Native(path);
}

bool Exists(const QString &path)
{
    struct stat status {};
    return ::lstat(Encoded(path).constData(), &status) == 0;
}

} // namespace

QString MakeFolderOrSayWhy(const QString &folder)
{
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    QString path;
    for (const QString &part : absolute.split(u'/', Qt::SkipEmptyParts)) {
        path += u'/' + part;
        if (!Exists(path) && ::mkdir(Encoded(path).constData(), 0777) != 0 && errno != EEXIST)
            return CannotMake(errno, path);
        // Also where mkdir found something in the way, or another program made it first.
        if (const QString obstacle = InTheWay(path); !obstacle.isEmpty())
            return obstacle;
    }
    return {};
}

QString HomeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    if (const passwd *account = ::getpwuid(::getuid());
        account && account->pw_dir && *account->pw_dir)
        return QDir::cleanPath(QFile::decodeName(account->pw_dir));
    return QDir::tempPath();
}
