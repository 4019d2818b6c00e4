// SPDX-License-Identifier: GPL-3.0-or-later
#include "spokennumber.h"

#include "numbertext.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString DigitWords = u"零一二三四五六七八九"_s;

/// A number below 10000 (not 0), with 零 for each run of inner zeros: 1005 is 一千零五.
QString SectionWords(int n)
{
    static const QString units[] = {QString(), u"十"_s, u"百"_s, u"千"_s};
    QString words;
    bool zeroPending = false;
    for (int place = 3, scale = 1000; place >= 0; --place, scale /= 10) {
        const int digit = n / scale % 10;
        if (digit == 0) {
            zeroPending = !words.isEmpty();
            continue;
        }
        if (zeroPending)
            words += DigitWords[0];
        zeroPending = false;
        words += DigitWords[digit] % units[place];
    }
    return words;
}

QString WholeWords(qint64 n)
{
    if (n == 0)
        return DigitWords.left(1);
    static const QString sectionUnits[] = {u"亿"_s, u"万"_s, QString()};
    const int sections[] = {int(n / 100000000), int(n / 10000 % 10000), int(n % 10000)};
    QString words;
    for (int i = 0; i < 3; ++i) {
        if (sections[i] == 0)
            continue;
        if (!words.isEmpty() && sections[i] < 1000)
            words += DigitWords[0];
        words += SectionWords(sections[i]) % sectionUnits[i];
    }
    // A teacher says 十二 and 十万, not 一十二.
    if (words.startsWith(u"一十"_s))
        words.remove(0, 1);
    return words;
}

/// 二 at the head of a number becomes 两 before the given units: 两千, 两万.
QString WithLeadingLiang(QString words, const QString &units)
{
    if (words.size() > 1 && words.startsWith(u'二') && units.contains(words[1]))
        words[0] = u'两';
    return words;
}

QString DigitByDigit(QStringView digits)
{
    QString words;
    for (QChar c : digits)
        words += c.isDigit() ? DigitWords[c.digitValue()] : u'点';
    return words;
}

/// Measure words and units after which 2 is said 两. 年级, 月, 号 and 楼 name a place in
/// an order (二年级, 二月) and are left out.
bool StartsWithMeasureWord(QStringView rest)
{
    static const QString single = u"个本只条张支台名位件块颗棵朵盒箱瓶袋筐杯桶辆架根片段粒枚头"
                                  "把双套份倍次圈层组盏盆道天周岁页字斤户匹元角米克吨升人种行"
                                  "家间节场"_s;
    static const QStringList words = {u"小时"_s, u"分钟"_s, u"分"_s, u"秒"_s,   u"千"_s,
                                      u"厘米"_s, u"毫"_s,   u"公"_s, u"平方"_s, u"立方"_s};
    if (rest.isEmpty())
        return false;
    if (rest.startsWith(u"年级"_s))
        return false;
    if (rest.startsWith(u'年'))
        return true;
    if (rest.startsWith(u"分之"_s))
        return false;
    if (single.contains(rest[0]))
        return true;
    return std::any_of(words.begin(), words.end(),
                       [&](const QString &word) { return rest.startsWith(word); });
}

} // namespace

QString ChineseNumberWords(QStringView digits)
{
    const qsizetype point = digits.indexOf(u'.');
    const QStringView whole = point < 0 ? digits : digits.left(point);
    if (!IsPlainDecimal(digits) || whole.isEmpty() || whole.size() > 12)
        return digits.toString();
    QString words = WholeWords(whole.toLongLong());
    if (point >= 0) {
        words += u'点';
        for (QChar c : digits.mid(point + 1))
            words += DigitWords[c.digitValue()];
    }
    return words;
}

QString CountWords(QStringView digits)
{
    if (digits.contains(u'.'))
        return ChineseNumberWords(digits);
    if (digits == u"2"_s)
        return u"两"_s;
    return WithLeadingLiang(ChineseNumberWords(digits), u"百千万亿"_s);
}

QString WithNumberWords(const QString &text)
{
    static const QRegularExpression number(u"\\d+(?:\\.\\d+)?"_s);
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : number.globalMatch(text)) {
        const qsizetype start = match.capturedStart();
        const QStringView rest = QStringView(text).mid(match.capturedEnd());
        const bool ordinal = start > 0 && text[start - 1] == u'第';
        QString words = ChineseNumberWords(match.capturedView());
        if (!ordinal && StartsWithMeasureWord(rest))
            words = CountWords(match.capturedView());
        else if (!ordinal)
            words = WithLeadingLiang(words, u"千万亿"_s);
        if (words.front().isDigit())
            words = DigitByDigit(match.capturedView());
        result += QStringView(text).mid(done, start - done) % words;
        done = match.capturedEnd();
    }
    result += QStringView(text).mid(done);
    return result.replace(u"℃"_s, u"摄氏度"_s);
}
