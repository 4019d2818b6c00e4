// SPDX-License-Identifier: GPL-3.0-or-later
#include "spokennumber.h"

#include "numbertext.h"

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
