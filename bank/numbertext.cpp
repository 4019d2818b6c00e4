// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

/// Scans a number (sign, digits and point, exponent) from `text` into plain ASCII that
/// std::from_chars understands. Returns how many characters of `text` were taken.
struct NumberScan {
    std::string ascii;
    bool hasDigits = false;
    qsizetype used = 0;
    int integerDigits = 0;
    int exponent = 0;
};

void ScanSign(QStringView text, NumberScan &scan)
{
    if (scan.used < text.size() && (text[scan.used] == u'+' || text[scan.used] == u'-')) {
        if (text[scan.used] == u'-')
            scan.ascii += '-';
        ++scan.used;
    }
}

void ScanMantissa(QStringView text, NumberScan &scan)
{
    bool seenPoint = false;
    for (; scan.used < text.size(); ++scan.used) {
        const char16_t c = text[scan.used].unicode();
        if (c == u'.' && !seenPoint) {
            seenPoint = true;
            scan.ascii += '.';
        } else if (IsDigit(c)) {
            scan.hasDigits = true;
            scan.integerDigits += seenPoint ? 0 : 1;
            scan.ascii += char(c);
        } else {
            break;
        }
    }
}

/// The exponent letter counts only when digits follow it (after an optional sign).
void ScanExponent(QStringView text, NumberScan &scan, bool allowD)
{
    qsizetype i = scan.used;
    if (i >= text.size())
        return;
    const char16_t letter = text[i].toUpper().unicode();
    if (letter != u'E' && !(allowD && letter == u'D'))
        return;
    ++i;
    std::string exponent = "e";
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        exponent += char(text[i++].unicode());
    const qsizetype digitsFrom = i;
    while (i < text.size() && IsDigit(text[i].unicode()))
        exponent += char(text[i++].unicode());
    if (i == digitsFrom)
        return;
    scan.ascii += exponent;
    scan.used = i;
    // Enough to tell overflow from underflow when the value is out of range.
    const auto digits = QStringView(text).sliced(digitsFrom, i - digitsFrom);
    const bool negative = exponent.size() > 1 && exponent[1] == '-';
    const int magnitude = digits.size() > 6 ? 1000000 : digits.toInt();
    scan.exponent = negative ? -magnitude : magnitude;
}

NumberScan ScanNumber(QStringView text, bool allowD)
{
    NumberScan scan;
    ScanSign(text, scan);
    ScanMantissa(text, scan);
    if (scan.hasDigits)
        ScanExponent(text, scan, allowD);
    return scan;
}

double ValueOf(const NumberScan &scan)
{
    const bool negative = !scan.ascii.empty() && scan.ascii.front() == '-';
    const char *first = scan.ascii.data() + (negative ? 1 : 0);
    const char *last = scan.ascii.data() + scan.ascii.size();
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        const bool tooLarge = scan.integerDigits + scan.exponent > 0;
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc() || ptr != last) {
        value = 0;
    }
    return negative ? -value : value;
}

QString WithoutBlanks(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (!IsBlank(c.unicode()))
            kept.append(c);
    }
    return kept;
}

QStringView TrimmedBlanks(QStringView text)
{
    while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
    return text;
}

} // namespace

double ReadNumber(QStringView text)
{
    const QString compact = WithoutBlanks(text);
    const NumberScan scan = ScanNumber(compact, true);
    return scan.hasDigits ? ValueOf(scan) : 0.0;
}

std::optional<double> StrictNumber(QStringView text)
{
    const QStringView number = TrimmedBlanks(text);
    const NumberScan scan = ScanNumber(number, false);
    if (!scan.hasDigits || scan.used != number.size())
        return std::nullopt;
    const double value = ValueOf(scan);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IsPlainDecimal(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && IsDigit(text[i].unicode()))
        ++i;
    if (i == 0)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != u'.' || i + 1 == text.size())
        return false;
    for (++i; i < text.size(); ++i) {
        if (!IsDigit(text[i].unicode()))
            return false;
    }
    return true;
}

QString NumberText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    return text.replace(u'e', u'E');
}

QString SpacedNumberText(double value)
{
    QString text = NumberText(value);
    if (text.startsWith(u"0."))
        text.remove(0, 1);
    else if (text.startsWith(u"-0."))
        text.remove(1, 1);
    return value >= 0 ? u' ' + text : text;
}

double RoundToPrintedDigits(double value)
{
    if (!std::isfinite(value))
        return value;
    return ReadNumber(NumberText(value));
}

QString ClockText(qint64 seconds)
{
    return QString::number(seconds / 60) + u"分"_s + QString::number(seconds % 60) + u"秒"_s;
}
