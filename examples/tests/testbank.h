// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problemrecord.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QTest>

/// Banks written for a test, record by record, as the bank tool would write them.
namespace TestBank {

using namespace Qt::Literals::StringLiterals;

/// One record; the texts are written as they stand, so a test decides where "&" goes.
struct Record {
    QString problem;
    QString solution;
    QString answer = u"1"_s;
};

inline QByteArray bytesOf(const Record &record)
{
    return RawProblemRecord(record.problem, record.solution, record.answer);
}

inline void write(const QString &path, const QList<Record> &records)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const Record &record : records)
        file.write(bytesOf(record));
}

/// A bank of n records: record k holds the problem "题k" and the solution "解k".
inline QList<Record> numbered(int n)
{
    QList<Record> records;
    for (int k = 1; k <= n; ++k)
        records.append({u"题%1&"_s.arg(k), u"解%1&"_s.arg(k)});
    return records;
}

} // namespace TestBank
