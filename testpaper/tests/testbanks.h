// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problemrecord.h"

#include <QFile>
#include <QString>

#include <functional>

/// Test banks: record 1 is the introduction, record k (2 … count) asks problem k and
/// expects the answer answerFor(k).
namespace TestBanks {

using namespace Qt::Literals::StringLiterals;

inline QString ProblemFor(int k)
{
    return u"第%1题：小明有%1个苹果，又买了3个，现在有几个？"_s.arg(k);
}

inline QString DefaultAnswer(int k)
{
    return QString::number(k + 3);
}

inline bool Write(const QString &path, int count,
                  const std::function<QString(int)> &answerFor = DefaultAnswer)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int k = 1; k <= count; ++k) {
        const QString problem = k == 1 ? u"本类题目的介绍"_s : ProblemFor(k);
        const EncodedRecord record =
            EncodeProblemRecord(problem, u"解答"_s, k == 1 ? QString() : answerFor(k));
        if (!record.ok())
            return false;
        file.write(record.Bytes);
    }
    return true;
}

} // namespace TestBanks
