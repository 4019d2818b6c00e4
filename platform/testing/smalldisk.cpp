// SPDX-License-Identifier: GPL-3.0-or-later
#include "smalldisk.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool WriteProcFile(const char *path, const QByteArray &text)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

/// Makes this process the root of a user namespace of its own, with a 64 KiB tmpfs at
/// mountPoint that no one else sees.
bool EnterSmallFilesystem(const QString &mountPoint, unsigned long flags)
{
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    WriteProcFile("/proc/self/setgroups", "deny");
    if (!WriteProcFile("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1") ||
        !WriteProcFile("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1"))
        return false;
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return false;
    return mount("lumaro-test", QFile::encodeName(mountPoint).constData(), "tmpfs", flags,
                 "size=64k") == 0;
}

} // namespace

int InSmallFilesystem(const QString &mountPoint, const std::function<int()> &check,
                      unsigned long flags)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(EnterSmallFilesystem(mountPoint, flags) ? check() : NoSmallFilesystem);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

bool FillDisk(const QString &path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    // The last few bytes of the last block.
    while (filler.write("x", 1) == 1) {
    }
    return QStorageInfo(QFileInfo(path).absolutePath()).bytesAvailable() == 0;
}

FullDiskFile::FullDiskFile(const QString &path, qint64 room, int cause)
    : QSaveFile(path), m_room(room), m_cause(cause)
{
}

qint64 FullDiskFile::writeData(const char *data, qint64 len)
{
    const qint64 fits = std::min(len, m_room);
    const qint64 written = fits > 0 ? QSaveFile::writeData(data, fits) : 0;
    m_room -= std::max<qint64>(written, 0);
    if (written == len)
        return written;
    errno = m_cause;
    return written > 0 ? written : -1;
}

ForgetfulFile::ForgetfulFile(const QString &path, qint64 kept) : QSaveFile(path), m_kept(kept) {}

qint64 ForgetfulFile::writeData(const char *data, qint64 len)
{
    const qint64 keeps = std::min(len, m_kept);
    if (keeps > 0 && QSaveFile::writeData(data, keeps) != keeps)
        return -1;
    m_kept -= keeps;
    return len;
}
