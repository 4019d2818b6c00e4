// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/// The first character of a text that GBK cannot hold, or nothing.
QString FirstNonGbkCharacter(const QString &text);

/// Names a character a bank cannot hold, with its line and column in the source (searched
/// from the line `fromLine` on, both counted from 1), and what to do about it.
QString NonGbkCharacterReason(const QString &character, const QStringList &lines, int fromLine);

/// Why a listed answer line could never be typed by a pupil (a full-width sign such as "×"
/// or "（"), with the line as it must be written; nothing for a line a pupil can type.
QString InputRuleReason(const QString &kind, const QString &line);

/// The known key nearest to an unknown one, when it looks like a slip of the pen.
QString NearestKey(const QString &key, const QStringList &known);

/// The TOML parser's account of a syntax error (English), said in Chinese with what to do.
QString TomlErrorText(const QString &description);
