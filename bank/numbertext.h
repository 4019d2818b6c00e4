// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

/// Reads the number at the start of a text, leniently: blanks, tabs and line feeds are
/// dropped wherever they stand, then an optional sign, digits with at most one point and an
/// optional exponent (E or D) are read up to the first character that does not fit. No digit
/// gives 0. A value beyond the double range comes back as an infinity.
double ReadNumber(QStringView text);

/// Converts a text that as a whole must be a number (blanks around it allowed): optional
/// sign, digits with at most one point, optional exponent with E. Anything else fails.
std::optional<double> StrictNumber(QStringView text);

/// Whether a text is an exact plain decimal, as a bank stores answers: digits with at most
/// one point, no sign, no blanks.
bool IsPlainDecimal(QStringView text);

/// Writes a value with at most 15 significant digits, no leading blank, "0." before a
/// fraction, no trailing zeros; exponent form (1E+20) for very large or small values.
QString NumberText(double value);

/// A clock's text: whole minutes, "分", the remaining seconds, "秒", as in 1分15秒; no
/// leading zeros, no blanks.
QString ClockText(qint64 seconds);

/// As NumberText, but a non-negative value starts with a blank and a magnitude below 1 has
/// no 0 before the point (" .5").
QString SpacedNumberText(double value);

/// The value as it comes back after passing through NumberText: rounded to 15 significant
/// digits.
double RoundToPrintedDigits(double value);
