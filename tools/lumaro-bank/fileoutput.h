// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

/// What a failed system call's error number means, in Chinese: the tool's readers do not
/// read the C library's English.
QString SystemErrorText(int errorNumber);

/// Writes a whole file or nothing, so a reader never meets half of it; on failure `error`
/// says why.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString &error);

/// As WriteFileAtomically, leaving a file that already holds these bytes untouched.
bool WriteFileIfChanged(const QString &path, const QByteArray &bytes, QString &error);
