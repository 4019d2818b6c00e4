// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSaveFile>
#include <QString>

#include <functional>

/// What InSmallFilesystem() answers when the child cannot have a filesystem of its own.
constexpr int NoSmallFilesystem = 77;

/// Runs check in a child process that has a 64 KiB tmpfs of its own at mountPoint, made in a
/// user namespace of its own, so no privilege is needed where user namespaces are open. The
/// child's exit code: check's answer, NoSmallFilesystem, or -1 when the child did not end.
/// flags are the mount's (MS_RDONLY for a read-only disk).
int InSmallFilesystem(const QString &mountPoint, const std::function<int()> &check,
                      unsigned long flags = 0);

/// Writes into path until the disk holds no more; false when room is left.
bool FillDisk(const QString &path);

/// A file on a disk with room for only so many more bytes: what does not fit fails as the
/// system fails it, with the error number set, while the file itself notices nothing, as a
/// buffered write that failed goes unnoticed by QSaveFile.
class FullDiskFile final : public QSaveFile {
public:
    FullDiskFile(const QString &path, qint64 room, int cause);

protected:
    qint64 writeData(const char *data, qint64 len) override;

private:
    qint64 m_room;
    int m_cause;
};

/// A file that says it wrote every byte but keeps only the first so many, as a write lost
/// between the program and the disk.
class ForgetfulFile final : public QSaveFile {
public:
    ForgetfulFile(const QString &path, qint64 kept);

protected:
    qint64 writeData(const char *data, qint64 len) override;

private:
    qint64 m_kept;
};
