// SPDX-License-Identifier: GPL-3.0-or-later
#include "papercomposer.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QString WithoutTrailingBlanks(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    text.truncate(end);
    return text;
}

} // namespace

int PoolSizeFor(int recordCount)
{
    return recordCount - 2;
}

std::array<int, PaperProblems> DrawRecordNumbers(int poolSize, QRandomGenerator &random)
{
    std::array<int, PaperProblems> numbers{};
    for (int i = 0; i < PaperProblems; ++i) {
        // Draw again until the number is new to this paper.
        do {
            numbers[i] = 2 + int(random.bounded(quint32(poolSize)));
        } while (std::find(numbers.begin(), numbers.begin() + i, numbers[i]) !=
                 numbers.begin() + i);
    }
    return numbers;
}

ProblemRecord PaperRecordOf(const ProblemRecord &record)
{
    ProblemRecord cut = record;
    if (HasMarker(record.ProblemText)) {
        cut.ProblemText = TextBeforeMarker(record.ProblemText)
                              .leftJustified(record.ProblemText.size(), u' ', true);
    }
    return cut;
}

QString PaperBlock(int number, const ProblemRecord &paperRecord)
{
    return u" "_s + QString::number(number) + u"、"_s +
           WithoutTrailingBlanks(TextBeforeMarker(paperRecord.ProblemText)) + u"\r\n\r\n"_s;
}
