// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankcheck.h"

#include "bankchecksum.h"
#include "problemrecord.h"
#include "recordcheck.h"
#include "regularfile.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A test paper draws ten problems from records 2 … N-1.
constexpr int RecordsForATest = 16;

void CheckProblem(const ProblemRecord &record, QStringList &reasons)
{
    const QString problem = TextBeforeMarker(record.ProblemText);
    if (!problem.endsWith(u'？'))
        reasons.append(u"题目没有以“？”结尾"_s);
    if (problem.count(u'？') + problem.count(u'?') > 1)
        reasons.append(u"题目有不止一个问号"_s);
}

QStringList RecordReasons(const ProblemRecord &record, int k)
{
    // What the windows rely on first, then what a teacher's bank should also keep.
    QStringList reasons = RecordFaults(record, RoleOfRecord(k));
    if (k >= 2)
        CheckProblem(record, reasons);
    return reasons;
}

} // namespace

QStringList CheckBankFile(const QString &bankPath)
{
    QFile bank;
    if (!OpenBankFile(bank, bankPath))
        return {bankPath % u"：无法打开（不存在、不是普通文件，或超过 "_s %
                QString::number(MaxBankBytes / RecordBytes) % u" 条记录）"_s};
    // The size is known to be within the bound: reading just that spares a 32 MB buffer.
    const QByteArray bytes = bank.read(qMin(bank.size(), MaxBankBytes));
    QStringList violations;
    if (CheckBankChecksum(bankPath, bytes) == ChecksumVerdict::Differs)
        violations.append(
            bankPath % u"：与校验文件 "_s % BankChecksumPath(bankPath) %
            u" 不符，题库文件有错误（请重新安装，或用 lumaro-bank build 重新生成）"_s);
    if (bytes.size() % RecordBytes != 0)
        violations.append(u"文件末尾有 "_s % QString::number(bytes.size() % RecordBytes) %
                          u" 个多余字节（不足一条记录）"_s);
    const int count = int(bytes.size() / RecordBytes);
    if (count < RecordsForATest)
        violations.append(u"只有 "_s % QString::number(count) % u" 条记录，组卷至少需要 "_s %
                          QString::number(RecordsForATest) % u" 条"_s);
    for (int k = 1; k <= count; ++k) {
        const ProblemRecord record = DecodeProblemRecord(
            QByteArrayView(bytes).sliced(qsizetype(k - 1) * RecordBytes, RecordBytes));
        for (const QString &reason : RecordReasons(record, k))
            violations.append(u"记录 "_s % QString::number(k) % u"："_s % reason);
    }
    return violations;
}
