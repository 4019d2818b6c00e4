// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// The seven print settings as the settings window holds them: the texts of its boxes, exactly
/// as typed. Readers convert them each time they draw or print.
struct PrintSettings {
    QString fontName = QStringLiteral("宋体");
    QString fontSize = QStringLiteral("10");
    QString topMargin = QStringLiteral("1"); ///< in units of 100 twips, as are the other margins
    QString bottomMargin = QStringLiteral("1");
    QString leftMargin = QStringLiteral("1");
    QString rightMargin = QStringLiteral("1");
    QString copies = QStringLiteral("1");

    bool operator==(const PrintSettings &) const = default;
};

/// The lists the settings window offers; every box is editable, so any text may be typed.
namespace PrintChoices {
QStringList fontNames();
QStringList fontSizes();
QStringList margins();
} // namespace PrintChoices

/// The settings the page layout draws with, as numbers.
struct PageSettings {
    QString fontName = QStringLiteral("宋体");
    double fontSize = 10; ///< points; the title is 2 points larger
    double top = 1;       ///< margins in units of 100 twips
    double bottom = 1;
    double left = 1;
    double right = 1;
};

/// A conversion that had to fall back to a setting's default: the caption of its box and the
/// default used instead.
struct UnusableSetting {
    QString box;
    QString usedInstead;
    bool operator==(const UnusableSetting &) const = default;
};

/// The page settings converted from their texts. A margin that is not a number from 0 to
/// MaxMargin, or a font size that is not a number from MinFontSize to MaxFontSize, gives way
/// to its default and is listed in unusable.
struct PageSettingsReading {
    PageSettings settings;
    QList<UnusableSetting> unusable;
};
PageSettingsReading ReadPageSettings(const PrintSettings &texts);

inline constexpr double MaxMargin = 100; // 10,000 twips, wider than any page
inline constexpr double MinFontSize = 1;
inline constexpr double MaxFontSize = 200;

/// The number of copies to print, from the copies text.
struct CopiesReading {
    int copies = 1;       ///< 0 when nothing is to be printed
    bool isNumber = true; ///< false when the text was not a number and 1 was used
    bool capped = false;  ///< true when more than MaxCopies were asked for
};
/// A number is rounded to the nearest whole number, a half to the even neighbour ("2.5" gives
/// 2); 0 or less prints nothing, more than MaxCopies prints MaxCopies. A text that is not a
/// number prints one copy.
CopiesReading ReadCopies(const QString &text);

inline constexpr int MaxCopies = 99;

/// The message that tells which boxes held no usable number and what was used instead; empty
/// when every setting could be used.
QString UnusableSettingsText(const QList<UnusableSetting> &unusable);
