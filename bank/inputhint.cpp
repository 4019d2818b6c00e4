// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputhint.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

bool IsInputMethodCharacter(QChar c)
{
    const char16_t u = c.unicode();
    // The full-width forms of the ASCII characters (！ … ～) and the ideographic blank.
    if ((u >= 0xFF01 && u <= 0xFF5E) || u == 0x3000)
        return true;
    // Signs a pupil picks from the input method's symbol list for times, divided by, minus
    // and the decimal point.
    switch (u) {
    case 0x00D7: // ×
    case 0x00F7: // ÷
    case 0x00B7: // ·
    case 0x2014: // —
    case 0x2212: // −
    case 0x3002: // 。
    case 0x3010: // 【
    case 0x3011: // 】
        return true;
    default:
        return false;
    }
}

QString HintFor(const QString &what)
{
    return u"提示："_s + what + u"请用英文输入法输入 * / ( ) 和数字"_s;
}

} // namespace

bool HasInputMethodCharacters(QStringView line)
{
    for (const QChar c : line) {
        if (IsInputMethodCharacter(c))
            return true;
    }
    return false;
}

QString InputMethodHint()
{
    return HintFor(QString());
}

QString PracticeInputHint(QStringView line, bool right)
{
    if (right || !HasInputMethodCharacters(line))
        return QString();
    return InputMethodHint();
}

QString PaperInputHint(const QStringList &answers, const QList<bool> &rowsRight)
{
    QStringList rows;
    const qsizetype count = std::min(answers.size(), rowsRight.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (!rowsRight[i] && HasInputMethodCharacters(answers[i]))
            rows.append(QString::number(i + 1));
    }
    if (rows.isEmpty())
        return QString();
    return HintFor(u"第"_s + rows.join(u'、') + u"题"_s);
}
