// SPDX-License-Identifier: GPL-3.0-or-later
#include "narration.h"

#include "fileoutput.h"
#include "problemrecord.h"
#include "readings.h"
#include "spokennumber.h"

#include <QDir>
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

/// Whole numbers either side of "/", not part of a decimal or a percentage.
const QRegularExpression &WholeFraction()
{
    static const QRegularExpression fraction(u"(?<![\\d.])(\\d+)/(\\d+)(?![\\d.%])"_s);
    return fraction;
}

bool IsArithmetic(QChar c)
{
    return u"+-*/()=×÷"_s.contains(c) || c.isDigit() || c == u'.' || c == u'x';
}

/// The sign before a fraction leaves it standing as one quantity: text, "=", a bracket or
/// a plus or minus.
bool OpensQuantity(QChar before)
{
    return before.isNull() || !IsArithmetic(before) || u"=(+-"_s.contains(before);
}

bool ClosesQuantity(QChar after)
{
    return after.isNull() || !IsArithmetic(after) || u")+-"_s.contains(after);
}

struct FractionSite {
    QString written; ///< as in the text, "3/5"
    qint64 numerator = 0;
    qint64 denominator = 0;
    QChar before;
    QChar after;
};

bool ReadsAsFraction(const FractionSite &site, const QStringList &statedFractions)
{
    if (site.before == u'/' || site.after == u'/')
        return false; // one step of a chain of divisions, 1/2/3
    if (site.before == u'(' && site.after == u')')
        return true; // 90/(3/5)
    if (statedFractions.contains(site.written))
        return true;
    if (site.denominator == 0 || site.numerator % site.denominator == 0)
        return false; // a quotient that comes out whole, 144/8
    return OpensQuantity(site.before) && ClosesQuantity(site.after);
}

QString FractionWords(const FractionSite &site)
{
    return ChineseNumberWords(QString::number(site.denominator)) % u"分之"_s %
           ChineseNumberWords(QString::number(site.numerator));
}

/// Each whole a/b read as a fraction becomes its words; "(a/b)" loses its brackets.
QString WithFractionWords(const QString &text, bool everyFraction,
                          const QStringList &statedFractions)
{
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : WholeFraction().globalMatch(text)) {
        const qsizetype start = match.capturedStart();
        const qsizetype end = match.capturedEnd();
        const FractionSite site{
            match.captured(), match.captured(1).toLongLong(), match.captured(2).toLongLong(),
            start > 0 ? text[start - 1] : QChar(), end < text.size() ? text[end] : QChar()};
        if (!everyFraction && !ReadsAsFraction(site, statedFractions))
            continue;
        const bool bracketed = site.before == u'(' && site.after == u')';
        const qsizetype from = bracketed ? start - 1 : start;
        result += QStringView(text).mid(done, from - done) % FractionWords(site);
        done = bracketed ? end + 1 : end;
    }
    return result + QStringView(text).mid(done);
}

QString WithPercentWords(const QString &text)
{
    static const QRegularExpression percent(u"(\\d+(?:\\.\\d+)?)%"_s);
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : percent.globalMatch(text)) {
        const QString number = match.captured(1);
        result += QStringView(text).mid(done, match.capturedStart() - done) % u"百分之"_s %
                  (number == u"100"_s ? u"百"_s : ChineseNumberWords(number));
        done = match.capturedEnd();
    }
    return result + QStringView(text).mid(done);
}

QString SpokenSigns(QString spoken)
{
    static const QRegularExpression openingBracket(u"(^|[，。；：？！、])\\("_s);
    // A unit per unit after a number is read 每: 80（千米/时） is 80千米每时. Between other
    // words "/" divides quantities: 路程/时间.
    static const QRegularExpression perUnit(
        u"(?<=[\\d（])(\\p{Han}{1,3})/(\\p{Han}{1,3})(?=$|）|\\P{Han})"_s);
    static const QRegularExpression remainder(u"(?<=[\\d\\p{Han}])……(?=\\d)"_s);
    // Units in full-width brackets are read straight on: 53（页） is 53页.
    spoken.remove(u'（').remove(u'）');
    spoken.replace(openingBracket, u"\\1"_s).replace(u"("_s, u"括号"_s).replace(u")"_s, u"，"_s);
    spoken.replace(perUnit, u"\\1每\\2"_s);
    // A remainder is written 8（条）……4（人） and said 8条余4人.
    spoken.replace(remainder, u"余"_s);
    spoken.replace(u"*"_s, u"乘"_s).replace(u"×"_s, u"乘"_s).replace(u"÷"_s, u"除以"_s);
    spoken.replace(u"/"_s, u"除以"_s);
    spoken.replace(u"+"_s, u"加"_s).replace(u"-"_s, u"减"_s).replace(u"="_s, u"等于"_s);
    spoken.replace(u":"_s, u"比"_s).replace(u"∶"_s, u"比"_s);
    return WithoutDoubledPauses(spoken);
}

QString Speakable(const QString &text, bool everyFraction, const QStringList &statedFractions)
{
    return SpokenSigns(WithPercentWords(WithFractionWords(text, everyFraction, statedFractions)));
}

} // namespace

QString SpeakableText(const QString &text, const QStringList &statedFractions)
{
    return Speakable(text, false, statedFractions);
}

QString SpeakableProblem(const QString &text)
{
    return Speakable(text, true, {});
}

QStringList StatedFractions(const QString &problemText)
{
    QStringList fractions;
    for (const QRegularExpressionMatch &match : WholeFraction().globalMatch(problemText))
        fractions.append(match.captured());
    return fractions;
}

namespace {

/// The sentences of a solution, each with its full stop.
QStringList Sentences(const QString &text)
{
    QStringList sentences;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'。' || i + 1 == text.size()) {
            sentences.append(text.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    return sentences;
}

QString XmlEscaped(const QString &text)
{
    return QString(text)
        .replace(u'&', u"&amp;"_s)
        .replace(u'<', u"&lt;"_s)
        .replace(u'>', u"&gt;"_s);
}

} // namespace

QStringList NarrationParts(const QString &bankPath, int k, int count)
{
    if (k >= count)
        return {ClosingWords};
    const ProblemRecord record = ReadProblemRecord(bankPath, k);
    const QString problem = Trimmed(record.ProblemText);
    const QString solution = Trimmed(record.SolutionText);
    if (k == 1)
        return {WithNumberWords(SpeakableText(problem)), WithNumberWords(SpeakableText(solution))};
    QStringList parts = {u"例题"_s % WithNumberWords(QString::number(k - 1)) % u"。"_s,
                         WithNumberWords(WithoutDoubledPauses(SpeakableProblem(problem)))};
    const QString spokenSolution = SpeakableText(solution, StatedFractions(problem));
    for (const QString &sentence : Sentences(spokenSolution))
        parts.append(WithNumberWords(sentence));
    return parts;
}

QString EngineInput(const QStringList &parts, const ReadingTable &readings)
{
    const QString pause = u"<break time=\"%1ms\"/>"_s.arg(PartBreakMs);
    QStringList spoken;
    for (const QString &part : parts)
        spoken.append(XmlEscaped(readings.apply(part)));
    return u"<speak>"_s % spoken.join(pause) % u"</speak>\n"_s;
}

QStringList SpeechEngineCommand()
{
    return {u"espeak-ng"_s, u"-v"_s, u"cmn-latn-pinyin"_s, u"-m"_s, u"-s"_s, u"165"_s,
            u"-p"_s,        u"55"_s};
}

bool WriteNarrationInputs(const QString &bankPath, int count, const QString &folder,
                          const QString &prefix, const ReadingTable &readings, QString &error)
{
    QDir().mkpath(folder);
    const QDir dir(folder);
    QString reason;
    const QString engine = dir.filePath(prefix + u".engine"_s);
    if (!WriteFileIfChanged(engine, (SpeechEngineCommand().join(u'\n') + u'\n').toUtf8(), reason)) {
        error = engine % u": "_s % reason;
        return false;
    }
    for (int k = 1; k <= count; ++k) {
        const QString path = dir.filePath(prefix + QString::number(k) + u".txt"_s);
        const QString input = EngineInput(NarrationParts(bankPath, k, count), readings);
        if (!WriteFileIfChanged(path, input.toUtf8(), reason)) {
            error = path % u": "_s % reason;
            return false;
        }
    }
    return true;
}
