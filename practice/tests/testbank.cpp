// SPDX-License-Identifier: GPL-3.0-or-later
#include "testbank.h"

#include "problemrecord.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

TestFolder::TestFolder() = default;

ProgramSettings TestFolder::settings() const
{
    ProgramSettings settings;
    settings.ProgramFolder = m_folder.path();
    settings.BankFileName = u"\\tm1.dat"_s;
    settings.ExampleSoundPrefix = u"\\jiangjie1"_s;
    return settings;
}

QString TestFolder::bankPath() const
{
    return settings().bankPath();
}

void TestFolder::writeBankBytes(const QByteArray &bytes)
{
    QFile file(bankPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void TestFolder::writeBank(const QList<TestProblem> &problems)
{
    QByteArray bytes = Record({u"加减应用题的介绍"_s, u"常用数量关系"_s, QString()});
    for (const TestProblem &problem : problems)
        bytes += Record(problem);
    writeBankBytes(bytes);
}

QByteArray TestFolder::RecordWithoutMarkers(const QString &problem, const QString &solution,
                                            const QString &answer)
{
    return RawProblemRecord(problem, solution, answer);
}

QByteArray TestFolder::Record(const TestProblem &problem)
{
    return RecordWithoutMarkers(problem.problem + u'&', problem.solution + u'&', problem.answer);
}

QList<TestProblem> TestFolder::NumberedProblems(int count)
{
    QList<TestProblem> problems;
    for (int k = 1; k <= count; ++k) {
        problems.append({u"第"_s + QString::number(k) + u"道题"_s,
                         u"列式："_s + QString::number(k) + u"+10"_s, QString::number(k + 10)});
    }
    return problems;
}
