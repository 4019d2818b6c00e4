// SPDX-License-Identifier: GPL-3.0-or-later
#include "testbanks.h"

#include "problemrecord.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace TestBanks {

QByteArray BytesOf(const Record &record)
{
    return RawProblemRecord(record.problem, record.solution, record.answer);
}

QByteArray MarkedBytesOf(const Record &record)
{
    return BytesOf({record.problem + u'&', record.solution + u'&', record.answer});
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool Write(const QString &path, const QList<Record> &records)
{
    QByteArray bytes;
    for (const Record &record : records)
        bytes += BytesOf(record);
    return WriteBytes(path, bytes);
}

bool WriteEncoded(const QString &path, int count, const std::function<Record(int)> &recordFor)
{
    QByteArray bytes;
    for (int k = 1; k <= count; ++k) {
        const Record texts = recordFor(k);
        const EncodedRecord record =
            EncodeProblemRecord(texts.problem, texts.solution, texts.answer);
        if (!record.ok())
            return false;
        bytes += record.bytes;
    }
    return WriteBytes(path, bytes);
}

QList<Record> Numbered(int n)
{
    QList<Record> records;
    for (int k = 1; k <= n; ++k)
        records.append({u"题%1&"_s.arg(k), u"解%1&"_s.arg(k)});
    return records;
}

QString ProblemFor(int k)
{
    return u"第%1题：小明有%1个苹果，又买了3个，现在有几个？"_s.arg(k);
}

QString DefaultAnswer(int k)
{
    return QString::number(k + 3);
}

bool Write(const QString &path, int count, const std::function<QString(int)> &answerFor)
{
    return WriteEncoded(path, count, [&answerFor](int k) {
        return k == 1 ? Record{u"本类题目的介绍"_s, u"解答"_s, QString()}
                      : Record{ProblemFor(k), u"解答"_s, answerFor(k)};
    });
}

} // namespace TestBanks

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
    TestBanks::WriteBytes(bankPath(), bytes);
}

void TestFolder::writeBank(const QList<TestBanks::Record> &problems)
{
    QByteArray bytes =
        TestBanks::MarkedBytesOf({u"加减应用题的介绍"_s, u"常用数量关系"_s, QString()});
    for (const TestBanks::Record &problem : problems)
        bytes += TestBanks::MarkedBytesOf(problem);
    writeBankBytes(bytes);
}

QList<TestBanks::Record> TestFolder::NumberedProblems(int count)
{
    QList<TestBanks::Record> problems;
    for (int k = 1; k <= count; ++k) {
        problems.append({u"第"_s + QString::number(k) + u"道题"_s,
                         u"列式："_s + QString::number(k) + u"+10"_s, QString::number(k + 10)});
    }
    return problems;
}
