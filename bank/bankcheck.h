// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/// Every way a bank file breaks what the windows rely on, each naming its record: texts
/// without their end marker, problems that do not end with their one question mark,
/// answers that are not plain decimals, bytes that are not GBK, too few records for a test,
/// and a bank that differs from its checksum file (naming the bank).
QStringList CheckBankFile(const QString &bankPath);
