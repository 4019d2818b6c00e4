// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

/// Opens path for reading only when it is a regular file. A FIFO, a device or a folder
/// named like a bank or a sound would block the reader or never end, so it counts as a
/// missing file. The check is made on the opened file itself, so nothing can be swapped in
/// between.
bool OpenRegularFile(QFile &file, const QString &path);

/// The largest bank read: 32767 records, as many as the windows can number.
inline constexpr qint64 MaxBankBytes = qint64(32767) * 470;

/// Opens a bank: a regular file of at most MaxBankBytes. Anything else is a missing bank.
bool OpenBankFile(QFile &file, const QString &path);
