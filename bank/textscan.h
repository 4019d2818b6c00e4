// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Small steps of reading an answer line, shared by the evaluator and the ratio reading so
/// that both see blanks, signs and exponents alike.
namespace TextScan {

inline bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

/// Position of the last non-blank character before `pos`, or -1.
inline qsizetype PreviousNonBlank(const QString &text, qsizetype pos)
{
    for (qsizetype i = pos - 1; i >= 0; --i) {
        if (!IsBlank(text[i]))
            return i;
    }
    return -1;
}

/// True when the character at `letter` is the exponent letter of a number (the E of 1E+20).
inline bool IsExponentLetterOfNumber(const QString &text, qsizetype letter)
{
    const QChar c = text[letter].toUpper();
    if (c != u'E' && c != u'D')
        return false;
    const qsizetype before = PreviousNonBlank(text, letter);
    return before >= 0 && (text[before].isDigit() || text[before] == u'.');
}

} // namespace TextScan
