// SPDX-License-Identifier: GPL-3.0-or-later
#include "narration.h"

#include "problemrecord.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString ClosingWords = u"例题讲解结束"_s;

QString Trimmed(const QString &field)
{
    return TextBeforeMarker(field).trimmed();
}

} // namespace

QString SpeakableText(const QString &text)
{
    static const QRegularExpression percent(u"(\\d+(?:\\.\\d+)?)%"_s);
    QString spoken = text;
    spoken.replace(percent, u"百分之\\1"_s);
    spoken.replace(u"*"_s, u"乘"_s).replace(u"×"_s, u"乘"_s).replace(u"÷"_s, u"除以"_s);
    spoken.replace(u"/"_s, u"除以"_s);
    spoken.replace(u"+"_s, u"加"_s).replace(u"-"_s, u"减"_s).replace(u"="_s, u"等于"_s);
    spoken.replace(u":"_s, u"比"_s).replace(u"∶"_s, u"比"_s);
    spoken.replace(u"("_s, u"，"_s).replace(u")"_s, u"，"_s);
    spoken.replace(u"（"_s, u"，"_s).replace(u"）"_s, u"，"_s);
    return spoken;
}

QString NarrationText(const QString &bankPath, int k, int count)
{
    if (k >= count)
        return ClosingWords;
    const ProblemRecord record = ReadProblemRecord(bankPath, k);
    if (k == 1)
        return SpeakableText(Trimmed(record.ProblemText) + Trimmed(record.SolutionText));
    return SpeakableText(u"例题"_s % QString::number(k - 1) % u"。"_s %
                         Trimmed(record.ProblemText) % u"。"_s % Trimmed(record.SolutionText));
}
