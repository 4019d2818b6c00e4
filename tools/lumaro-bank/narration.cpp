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

/// A run of pauses ("？。", "，。") is read as its strongest one.
QString WithoutDoubledPauses(const QString &text)
{
    static const QString strength = u"，、：；。！？"_s;
    QString result;
    for (QChar c : text) {
        const qsizetype mine = strength.indexOf(c);
        const qsizetype previous = result.isEmpty() ? -1 : strength.indexOf(result.back());
        if (mine >= 0 && previous >= 0) {
            if (mine > previous)
                result.back() = c;
            continue;
        }
        result.append(c);
    }
    return result;
}

} // namespace

QString SpeakableText(const QString &text)
{
    static const QRegularExpression percent(u"(\\d+(?:\\.\\d+)?)%"_s);
    static const QRegularExpression openingBracket(u"(^|[，。；：？！、])\\("_s);
    QString spoken = text;
    spoken.replace(percent, u"百分之\\1"_s);
    // Units in full-width brackets are read straight on: 53（页） is 53页.
    spoken.remove(u'（').remove(u'）');
    spoken.replace(openingBracket, u"\\1"_s).replace(u"("_s, u"括号"_s).replace(u")"_s, u"，"_s);
    spoken.replace(u"*"_s, u"乘"_s).replace(u"×"_s, u"乘"_s).replace(u"÷"_s, u"除以"_s);
    spoken.replace(u"/"_s, u"除以"_s);
    spoken.replace(u"+"_s, u"加"_s).replace(u"-"_s, u"减"_s).replace(u"="_s, u"等于"_s);
    spoken.replace(u":"_s, u"比"_s).replace(u"∶"_s, u"比"_s);
    return WithoutDoubledPauses(spoken);
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
