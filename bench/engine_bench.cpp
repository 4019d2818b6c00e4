// SPDX-License-Identifier: GPL-3.0-or-later
// How long judging an answer and reading a record take. A typical answer should be
// judged in a few microseconds.
#include "answercheck.h"
#include "bankchecksum.h"
#include "problemrecord.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

void JudgeAnswer(benchmark::State &state, const QString &line, const QString &answer)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckAnswer(line, answer));
}

BENCHMARK_CAPTURE(JudgeAnswer, expression, u"(12+8)*3"_s, u"60        "_s);
BENCHMARK_CAPTURE(JudgeAnswer, equation, u"x/3+1=5"_s, u"12        "_s);
BENCHMARK_CAPTURE(JudgeAnswer, ratio, u"3:4"_s, u"0.75      "_s);
BENCHMARK_CAPTURE(JudgeAnswer, percent, u"75%"_s, u"0.75      "_s);

void GradeTestRow(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(GradeRow(u"(12+8)*3"_s, u"60        "_s));
}
BENCHMARK(GradeTestRow);

void DeeplyNestedAnswer(benchmark::State &state)
{
    const QString line = QString(2000, u'(') + u"1+1"_s + QString(2000, u')') +
                         QString(6000, u'+').replace(u"+"_s, u"+1"_s).left(6000);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckAnswer(line, u"3002"_s));
}
BENCHMARK(DeeplyNestedAnswer)->Unit(benchmark::kMillisecond);

/// An answer of about `length` characters, brackets nested half its length deep: what a
/// pupil gets by pasting into the answer box.
QString NestedAnswer(qsizetype length)
{
    const qsizetype depth = std::max<qsizetype>(1, (length - 3) / 2);
    return QString(depth, u'(') + u"1+1"_s + QString(depth, u')');
}

/// An answer of about `length` characters without brackets: one long sum of products.
QString FlatAnswer(qsizetype length)
{
    QString line = u"1*2"_s;
    while (line.size() + 4 <= length)
        line += u"+1*2"_s;
    return line;
}

/// Judging must stay linear in the answer's length, so that no pasted answer freezes the
/// window: compare the times across lengths, or read the fitted complexity.
void JudgeLongAnswer(benchmark::State &state, QString (*answerOfLength)(qsizetype))
{
    const QString line = answerOfLength(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckAnswer(line, u"2"_s));
    state.SetComplexityN(line.size());
}
BENCHMARK_CAPTURE(JudgeLongAnswer, nested, NestedAnswer)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK_CAPTURE(JudgeLongAnswer, flat, FlatAnswer)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

/// A bank of records copies of one problem at path, with its checksum beside it if asked.
void WriteBank(const QString &path, int records, bool withChecksum)
{
    const QByteArray record =
        EncodeProblemRecord(u"一本故事书有128页，小红已经看了75页，还剩多少页没有看？"_s,
                            u"数量关系：总页数-看了的页数=剩下的页数。列式：128-75=53（页）。"_s,
                            u"53"_s)
            .bytes;
    const QByteArray bytes = record.repeated(records);
    QFile bank(path);
    bank.open(QIODevice::WriteOnly);
    bank.write(bytes);
    if (!withChecksum)
        return;
    QFile checksum(BankChecksumPath(path));
    checksum.open(QIODevice::WriteOnly);
    checksum.write(BankChecksumText(bytes, u"tm1.dat"_s));
}

void ReadRecord(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tm1.dat"_s);
    WriteBank(path, 50, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadBankSnapshot(path, 25));
}
BENCHMARK(ReadRecord);

// Every read checks the whole bank against its checksum: a few tens of microseconds for a
// shipped bank of some fifty records, tens of milliseconds for the largest bank read.
void ReadCheckedRecord(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tm1.dat"_s);
    WriteBank(path, int(state.range(0)), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadBankSnapshot(path, 25));
}
BENCHMARK(ReadCheckedRecord)->Arg(50)->Arg(32767)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
