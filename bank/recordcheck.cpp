// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordcheck.h"

#include "numbertext.h"

using namespace Qt::Literals::StringLiterals;

namespace {

/// The answer without the blanks that pad it to its field.
QStringView UnpaddedAnswer(const QString &answer)
{
    QStringView text(answer);
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

} // namespace

RecordRole RoleOfRecord(int k)
{
    return k == 1 ? RecordRole::Introduction : RecordRole::Problem;
}

QStringList RecordFaults(const ProblemRecord &record, RecordRole role)
{
    QStringList faults;
    if (!HasMarker(record.ProblemText))
        faults.append(u"题目没有结束标记“&”"_s);
    if (!HasMarker(record.SolutionText))
        faults.append(u"解答没有结束标记“&”"_s);
    const QString all = record.ProblemText + record.SolutionText + record.AnswerText;
    if (all.contains(QChar::ReplacementCharacter))
        faults.append(u"含有不是 GBK 的字节"_s);
    if (all.contains(QChar::Null))
        faults.append(u"含有空字节（NUL）"_s);
    const QStringView answer = UnpaddedAnswer(record.AnswerText);
    if (role == RecordRole::Problem && !IsPlainDecimal(answer))
        faults.append(u"答案“"_s % answer.toString().replace(QChar::Null, u"\\0"_s) %
                      u"”不是不带符号的十进制数"_s);
    return faults;
}

bool IsSoundRecord(const ProblemRecord &record, RecordRole role)
{
    return RecordFaults(record, role).isEmpty();
}
