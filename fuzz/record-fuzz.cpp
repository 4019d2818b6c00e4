// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes in a bank file: the reader and the checker must give a defined result.
#include "bankcheck.h"
#include "problemrecord.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const ProblemRecord record = DecodeProblemRecord(bytes);
    TextBeforeMarker(record.ProblemText);
    TextBeforeMarker(record.SolutionText);

    static QTemporaryDir dir;
    const QString path = dir.filePath(u"tm1.dat"_s);
    QFile bank(path);
    if (!bank.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    bank.write(bytes.toByteArray());
    bank.close();
    const int count = BankRecordCount(path);
    for (int k : {0, 1, 2, count, count + 1})
        ReadBankSnapshot(path, k);
    CheckBankFile(path);
    return 0;
}
