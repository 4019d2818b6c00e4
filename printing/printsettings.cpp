// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsettings.h"

#include "numbertext.h"

#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace PrintChoices {

QStringList fontNames()
{
    return {u"宋体"_s,     u"楷体_GB2312"_s, u"新宋体"_s, u"华文行楷"_s,
            u"华文新魏"_s, u"隶书"_s,        u"黑体"_s};
}

QStringList fontSizes()
{
    QStringList sizes;
    for (int size = 6; size <= 15; ++size)
        sizes.append(QString::number(size));
    return sizes;
}

QStringList margins()
{
    return {u"1"_s, u"1.5"_s, u"2"_s, u"2.5"_s, u"3"_s, u"3.5"_s,
            u"4"_s, u"4.5"_s, u"5"_s, u"6"_s,   u"7"_s};
}

} // namespace PrintChoices

namespace {

/// Converts one setting, or falls back to its default and notes the box.
double readSetting(const QString &text, double low, double high, double fallback,
                   const QString &box, QList<UnusableSetting> &unusable)
{
    const std::optional<double> value = StrictNumber(text);
    if (value && *value >= low && *value <= high)
        return *value;
    unusable.append(UnusableSetting{box, NumberText(fallback)});
    return fallback;
}

} // namespace

PageSettingsReading ReadPageSettings(const PrintSettings &texts)
{
    const PageSettings defaults;
    PageSettingsReading reading;
    PageSettings &page = reading.settings;
    QList<UnusableSetting> &unusable = reading.unusable;
    // The typeface is passed on as typed: a name the system lacks gets a stand-in face.
    page.fontName = texts.fontName;
    page.fontSize = readSetting(texts.fontSize, MinFontSize, MaxFontSize, defaults.fontSize,
                                u"字号"_s, unusable);
    page.top = readSetting(texts.topMargin, 0, MaxMargin, defaults.top, u"上边距"_s, unusable);
    page.bottom =
        readSetting(texts.bottomMargin, 0, MaxMargin, defaults.bottom, u"下边距"_s, unusable);
    page.left = readSetting(texts.leftMargin, 0, MaxMargin, defaults.left, u"左边距"_s, unusable);
    page.right =
        readSetting(texts.rightMargin, 0, MaxMargin, defaults.right, u"右边距"_s, unusable);
    return reading;
}

CopiesReading ReadCopies(const QString &text)
{
    const std::optional<double> value = StrictNumber(text);
    if (!value)
        return CopiesReading{1, false};
    // Halves go to the even neighbour.
    const double whole = std::nearbyint(*value);
    if (whole <= 0)
        return CopiesReading{0, true};
    if (whole > MaxCopies)
        return CopiesReading{MaxCopies, true, true};
    return CopiesReading{int(whole), true};
}

QString UnusableSettingsText(const QList<UnusableSetting> &unusable)
{
    QStringList lines;
    for (const UnusableSetting &setting : unusable) {
        lines.append(u"“"_s + setting.box + u"”里不是可用的数字，这次按 "_s + setting.usedInstead +
                     u" 处理。"_s);
    }
    return lines.join(u"\r\n"_s);
}
