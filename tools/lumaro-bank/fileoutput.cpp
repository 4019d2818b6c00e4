// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileoutput.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <map>

using namespace Qt::Literals::StringLiterals;

QString SystemErrorText(int errorNumber)
{
    static const std::map<int, QString> texts = {
        {ENOENT, u"没有这个文件或文件夹"_s},
        {EACCES, u"没有权限"_s},
        {EPERM, u"不允许这样操作"_s},
        {EISDIR, u"这是一个文件夹"_s},
        {ENOTDIR, u"路径中有一段不是文件夹"_s},
        {ENOSPC, u"磁盘已满"_s},
        {EDQUOT, u"超出了磁盘配额"_s},
        {EROFS, u"文件系统是只读的"_s},
        {EEXIST, u"已经存在"_s},
        {ENAMETOOLONG, u"文件名太长"_s},
        {ELOOP, u"符号链接绕成了圈"_s},
        {EIO, u"读写设备出错"_s},
        {EXDEV, u"不能跨文件系统建立链接"_s},
        {EMLINK, u"链接太多"_s},
        {EBUSY, u"文件正被占用"_s},
    };
    const auto text = texts.find(errorNumber);
    if (text != texts.end())
        return text->second;
    return u"系统错误（错误号 "_s + QString::number(errorNumber) + u"）"_s;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = errno == 0 ? u"无法写入"_s : SystemErrorText(errno);
    return false;
}

bool WriteFileIfChanged(const QString &path, const QByteArray &bytes, QString &error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    return WriteFileAtomically(path, bytes, error);
}
