// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problemrecord.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

/// Hints beside a wrong verdict, telling the pupil how the line was probably meant. Pupils
/// often type with a Chinese input method switched on, which writes full-width signs and
/// digits (（5+7）, １２, 24÷2, x＝12, 3×4); they write a decimal comma (0,55), leave out the
/// multiplication sign as the textbook does from grade 5 (4x-x=27, 3(x+5)=27), or type 75
/// for 75 %. The judging itself never changes: each of these lines stays wrong.

/// What a hint is about. When several apply to one line, only the first in this order shows:
/// while an input method is on nothing typed is read as meant; a decimal comma cuts its number
/// short; a left-out sign joins two factors into one number; and a percent sign only matters
/// for a bare number, which none of the others touch.
enum class HintKind { None, InputMethod, DecimalComma, LeftOutTimes, PercentSign };

/// One line's hint: its kind and, where the hint quotes the pupil, the pupil's own case and
/// how to write it ("4x" and "4*x", "75" and "75%").
struct AnswerHint {
    HintKind kind = HintKind::None;
    QString typed;
    QString meant;
};

/// Whether a line would be judged right: the practice check or the test's, for one problem.
using LineJudge = std::function<bool(const QString &line)>;

/// Whether the line holds a character that a Chinese input method types in place of an ASCII
/// digit, sign, bracket, letter or blank.
bool HasInputMethodCharacters(QStringView line);

/// The hint for a line judged wrong, the first of HintKind that applies. The percent sign is
/// suggested only when the problem asks for 百分之几 and the bare number with "%" after it
/// would be judged right.
AnswerHint HintForWrongLine(const QString &line, QStringView problemText, const LineJudge &judge);

/// The hint as the pupil reads it, as in "提示：乘号不能省略，4x 要写成 4*x"; with rows
/// ("第3、7题") named after "提示：". Empty for HintKind::None.
QString HintText(const AnswerHint &hint, const QString &rows = QString());

/// The practice hint for one judged line, shown beside the verdict: empty when the line was
/// right or no hint applies.
QString PracticeInputHint(const QString &line, const ProblemRecord &record, bool right);

/// The test window's hint after a hand-in, one hint at a time: of the rows' hints (a right
/// row's is None), the kind first in order, naming every row (numbered from 1) that has it and
/// quoting the first of them, as in "提示：第2、4题请用英文输入法输入 + - * / ( ) 和数字".
/// Empty when no row has a hint.
QString PaperInputHint(const QList<AnswerHint> &rowHints);
