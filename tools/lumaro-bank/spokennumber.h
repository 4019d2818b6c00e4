// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

/// A plain decimal written in Chinese number words, as a teacher reads it: 25 is 二十五,
/// 105 is 一百零五, 12000 is 一万二千, 2.25 is 二点二五. A text that is not a plain decimal
/// below a trillion comes back unchanged.
QString ChineseNumberWords(QStringView digits);

/// A number that counts something, as said before a measure word: 2 is 两, and a leading
/// 2 of hundreds, thousands or more is 两 too (两百, 两千, 两万); 12 stays 十二.
QString CountWords(QStringView digits);

/// Every number of a text read with its value, so that a speech engine meets no digit:
/// 12.5元 is 十二点五元, 2本 is 两本, 第2次 is 第二次, 2000 is 两千, 15℃ is 十五摄氏度.
/// A number too long for the words is read digit by digit.
QString WithNumberWords(const QString &text);
