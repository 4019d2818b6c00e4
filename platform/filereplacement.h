// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;
class QSaveFile;

/// Why writing bytes into the file at path failed, in words for the pupil, from the system's
/// error number; a full disk is also recognised by the room left on it, should the number
/// have been lost on the way.
QString WriteFailureReason(int cause, const QFileDevice &file, const QString &path, qint64 bytes);

/// Puts bytes in the place of the file that file (not yet open) names: they go to a temporary
/// file beside it, every byte is checked as written, put on the disk and counted again, and
/// only then does the temporary file take the target's place. When anything fails, an earlier
/// file of that name stays as it was and no temporary file is left behind. Why it failed, in
/// Chinese; empty when the bytes are in place.
QString ReplaceFileContents(QSaveFile &file, const QByteArray &bytes);
