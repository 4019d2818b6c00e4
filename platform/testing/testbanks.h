// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programsettings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <functional>

/// Banks written for tests, record by record, as the bank tool writes them.
namespace TestBanks {

/// One record's three texts.
struct Record {
    QString problem;
    QString solution;
    QString answer = QStringLiteral("1");
};

/// The record's texts laid into its fields as they stand, so a test decides where the marker
/// "&" goes (or leaves it out).
QByteArray BytesOf(const Record &record);
/// The record as the bank tool writes it: problem and solution each end with the marker.
QByteArray MarkedBytesOf(const Record &record);

/// Writes bytes as the whole bank at path; false when the file cannot be written.
bool WriteBytes(const QString &path, const QByteArray &bytes);
/// Writes the records, their texts as they stand.
bool Write(const QString &path, const QList<Record> &records);
/// Writes records 1 … count of recordFor through the bank's own encoding; false when a
/// record cannot be encoded or the file cannot be written.
bool WriteEncoded(const QString &path, int count, const std::function<Record(int)> &recordFor);

/// n records: record k holds the problem "题k&" and the solution "解k&".
QList<Record> Numbered(int n);

/// The problem of record k in an apple bank.
QString ProblemFor(int k);
/// The answer of record k in an apple bank: k + 3.
QString DefaultAnswer(int k);
/// An apple bank: record 1 is the introduction, record k (2 … count) asks ProblemFor(k) and
/// expects the answer answerFor(k).
bool Write(const QString &path, int count,
           const std::function<QString(int)> &answerFor = DefaultAnswer);

} // namespace TestBanks

/// A program folder of its own in a temporary directory, with a bank written for a test.
class TestFolder {
public:
    bool isValid() const { return m_folder.isValid(); }
    /// Settings that read the bank "\tm1.dat" of this folder.
    ProgramSettings settings() const;
    /// Writes "\tm1.dat": the introduction and then the problems, each with its markers.
    void writeBank(const QList<TestBanks::Record> &problems);
    /// Writes "\tm1.dat" from raw bytes.
    void writeBankBytes(const QByteArray &bytes);
    QString bankPath() const;

    /// count problems "第k道题" with the answer k + 10 and a short solution.
    static QList<TestBanks::Record> NumberedProblems(int count);

private:
    QTemporaryDir m_folder;
};
