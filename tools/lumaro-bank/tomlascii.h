// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// A bank source rewritten so that the TOML parser meets ASCII only: every character beyond
/// ASCII inside a string becomes a \u escape (literal strings turn into basic strings to
/// carry it), and in comments a "?". The parser (toml++ 3.3) misjudges some characters
/// that Chinese text is full of, such as "、" and "。", when it asks whether they are
/// blanks, and runs into undefined behaviour. The meaning of the source is unchanged.
struct AsciiToml {
    QString text;
    /// When a character beyond ASCII, or a control character, stands outside strings and
    /// comments (never valid TOML, and the parser trips over some): its line, counted from
    /// 1, and the character itself ("U+001A" for a control character).
    int errorLine = 0;
    QString errorCharacter;
    int errorColumn = 0; ///< the character's column, counted in characters from 1
    /// The error is a one-line string whose closing quote is missing; errorLine is the line
    /// where it opens, not the later line where a parser would notice.
    bool unclosedQuote = false;
    bool ok() const { return errorLine == 0; }
};

AsciiToml ToAsciiToml(const QString &toml);
