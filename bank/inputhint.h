// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

/// Pupils often type with a Chinese input method switched on, which writes full-width signs
/// and digits: （5+7）, １２, 24÷2, x＝12, 3×4. The judge reads only ASCII, so such a line is
/// judged wrong; these helpers say when to tell the pupil why. The judging itself never
/// changes: 3×4 stays wrong.

/// Whether the line holds a character that a Chinese input method types in place of an ASCII
/// digit, sign, bracket, letter or blank.
bool HasInputMethodCharacters(QStringView line);

/// The hint shown beside a wrong verdict when the line holds such characters.
QString InputMethodHint();

/// The practice hint for one judged line: InputMethodHint() when the line was judged wrong and
/// holds input-method characters, otherwise empty.
QString PracticeInputHint(QStringView line, bool right);

/// The test window's hint after a hand-in: names the wrong rows (numbered from 1) whose
/// answers hold input-method characters, as in "提示：第3、7题请用英文输入法输入 * / ( ) 和数字";
/// empty when there is none.
QString PaperInputHint(const QStringList &answers, const QList<bool> &rowsRight);
