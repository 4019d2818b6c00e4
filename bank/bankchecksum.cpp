// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankchecksum.h"

#include "regularfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype DigestHexDigits = 64;
/// Room for the digest and a long file name; anything longer is no checksum file.
constexpr qint64 LargestChecksumFile = 4096;

QByteArray DigestHex(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool IsHexDigest(QByteArrayView text)
{
    return text.size() == DigestHexDigits &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(uchar(c)); });
}

} // namespace

QString BankChecksumPath(const QString &bankPath)
{
    const QString stem =
        bankPath.endsWith(u".dat"_s, Qt::CaseInsensitive) ? bankPath.chopped(4) : bankPath;
    return stem + u".sha256"_s;
}

bool HasBankChecksum(const QString &bankPath)
{
    const QFileInfo info(BankChecksumPath(bankPath));
    return info.exists() || info.isSymLink();
}

QByteArray BankChecksumText(QByteArrayView bankBytes, const QString &bankFileName)
{
    return DigestHex(bankBytes) + "  " + QFile::encodeName(bankFileName) + '\n';
}

ChecksumVerdict CheckBankChecksum(const QString &bankPath, QByteArrayView bankBytes)
{
    if (!HasBankChecksum(bankPath))
        return ChecksumVerdict::Missing;
    QFile file;
    if (!OpenRegularFile(file, BankChecksumPath(bankPath)) || file.size() > LargestChecksumFile)
        return ChecksumVerdict::Differs;
    const QByteArray stated = file.read(LargestChecksumFile).left(DigestHexDigits);
    if (!IsHexDigest(stated))
        return ChecksumVerdict::Differs;
    return stated.toLower() == DigestHex(bankBytes) ? ChecksumVerdict::Matches
                                                    : ChecksumVerdict::Differs;
}
