// SPDX-License-Identifier: GPL-3.0-or-later
#include "papercomposer.h"

using namespace Qt::Literals::StringLiterals;

int PoolSizeFor(int recordCount)
{
    return recordCount - 2;
}

int DrawNewRecordNumber(int poolSize, QRandomGenerator &random, const QList<int> &drawn)
{
    int number = 0;
    do {
        number = 2 + int(random.bounded(quint32(poolSize)));
    } while (drawn.contains(number));
    return number;
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
