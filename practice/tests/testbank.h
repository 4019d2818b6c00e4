// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programsettings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

/// One problem for a test bank: its texts without markers, and the answer.
struct TestProblem {
    QString problem;
    QString solution;
    QString answer;
};

/// A program folder of its own in a temporary directory, with banks written for a test.
class TestFolder {
public:
    TestFolder();

    bool isValid() const { return m_folder.isValid(); }
    /// Settings that read the bank "\tm1.dat" of this folder.
    ProgramSettings settings() const;
    /// Writes "\tm1.dat": the introduction and then the problems, each with its markers.
    void writeBank(const QList<TestProblem> &problems);
    /// Writes "\tm1.dat" from raw bytes.
    void writeBankBytes(const QByteArray &bytes);
    QString bankPath() const;

    /// A record whose fields hold the texts padded with blanks, without any end marker.
    static QByteArray RecordWithoutMarkers(const QString &problem, const QString &solution,
                                           const QString &answer);
    /// A record as the bank tool writes it, with both markers.
    static QByteArray Record(const TestProblem &problem);
    /// count problems "第k道题" with the answer k + 10 and a short solution.
    static QList<TestProblem> NumberedProblems(int count);

private:
    QTemporaryDir m_folder;
};
