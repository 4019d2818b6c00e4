// SPDX-License-Identifier: GPL-3.0-or-later
#include "filereplacement.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Writes every byte and has the system put them on the disk; the error number of the first
/// step that fails, or 0.
int WriteAndSync(QSaveFile &file, const QByteArray &bytes)
{
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return errno ? errno : EIO;
    if (::fsync(file.handle()) != 0)
        return errno;
    // What the disk holds must be what was meant, not a file cut short on the way.
    return file.size() == bytes.size() ? 0 : EIO;
}

} // namespace

QString WriteFailureReason(int cause, const QFileDevice &file, const QString &path, qint64 bytes)
{
    switch (cause) {
    case ENOSPC:
    case EDQUOT:
        return u"磁盘已满"_s;
    case EFBIG:
        return u"试卷超出了允许写入的文件大小"_s;
    case EROFS:
        return u"磁盘是只读的"_s;
    case EACCES:
    case EPERM:
        return u"没有写入的权限"_s;
    case EIO:
        return u"磁盘读写出错"_s;
    case ENOENT:
    case ENOTDIR:
        return u"文件夹不存在"_s;
    case EISDIR:
        return u"已经有同名的文件夹"_s;
    default:
        break;
    }
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < bytes)
        return u"磁盘已满"_s;
    if (file.errorString().isEmpty())
        return u"写入失败"_s;
    return u"写入失败（"_s + file.errorString() + u"）"_s;
}

QString ReplaceFileContents(QSaveFile &file, const QByteArray &bytes)
{
    const QString path = file.fileName();
    // Unbuffered, so a failing write is seen here and not first when the file is closed.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteFailureReason(errno, file, path, bytes.size());
    if (const int cause = WriteAndSync(file, bytes); cause != 0) {
        const QString reason = WriteFailureReason(cause, file, path, bytes.size());
        // commit() would still put a short file in the earlier file's place: cancelled, it
        // only removes the temporary file.
        file.cancelWriting();
        file.commit();
        return reason;
    }
    errno = 0;
    if (!file.commit())
        return WriteFailureReason(errno, file, path, bytes.size());
    return {};
}
