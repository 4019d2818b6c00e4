// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

/// A plain decimal written in Chinese number words, as a teacher reads it: 25 is 二十五,
/// 105 is 一百零五, 12000 is 一万二千, 2.25 is 二点二五. A text that is not a plain decimal
/// below a trillion comes back unchanged.
QString ChineseNumberWords(QStringView digits);
