// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

/// A bank's SHA-256 checksum lies beside it, in the form sha256sum reads ("tm1.sha256" holds
/// "<64 hex digits>  tm1.dat"). It catches damage that record checks cannot see: changed bytes
/// that still decode as GBK.
///
/// A bank without a checksum file is read as before, on the strength of its record checks
/// alone: banks that teachers built before checksums existed keep working.
enum class ChecksumVerdict { Matches, Differs, Missing };

/// Where the checksum of the bank at bankPath lies: its name with ".sha256" in place of
/// ".dat" (or after the whole name when it has no ".dat").
QString BankChecksumPath(const QString &bankPath);

/// Whether a checksum file (or anything in its place) stands beside the bank.
bool HasBankChecksum(const QString &bankPath);

/// The checksum file's contents for a bank of these bytes, named bankFileName.
QByteArray BankChecksumText(QByteArrayView bankBytes, const QString &bankFileName);

/// Compares bankBytes, the whole bank at bankPath, with the checksum beside it. A checksum
/// file that cannot be read as one (a folder, a FIFO, no 64 hex digits) differs.
ChecksumVerdict CheckBankChecksum(const QString &bankPath, QByteArrayView bankBytes);
