// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputhint.h"

#include "answercheck.h"
#include "numbertext.h"

#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A bracket group longer than this is quoted as "(…)", so the hint stays on one line.
constexpr qsizetype LongestQuotedGroup = 10;

bool IsInputMethodCharacter(QChar c)
{
    const char16_t u = c.unicode();
    // The full-width forms of the ASCII characters (！ … ～) and the ideographic blank.
    if ((u >= 0xFF01 && u <= 0xFF5E) || u == 0x3000)
        return true;
    // Signs a pupil picks from the input method's symbol list for times, divided by, plus,
    // minus and the decimal point.
    switch (u) {
    case 0x00D7: // ×
    case 0x00F7: // ÷
    case 0x00B7: // ·
    case 0x2013: // –
    case 0x2014: // —
    case 0x2212: // −
    case 0xFE62: // ﹢
    case 0xFE63: // ﹣
    case 0x3002: // 。
    case 0x3010: // 【
    case 0x3011: // 】
        return true;
    default:
        return false;
    }
}

bool IsAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool HasDecimalComma(QStringView line)
{
    for (qsizetype i = 1; i + 1 < line.size(); ++i) {
        if (line[i] == u',' && IsAsciiDigit(line[i - 1]) && IsAsciiDigit(line[i + 1]))
            return true;
    }
    return false;
}

/// Where the bracket group that closes at `close` opens, or 0 when it never does.
qsizetype GroupStart(QStringView line, qsizetype close)
{
    int depth = 0;
    for (qsizetype i = close; i >= 0; --i) {
        depth += line[i] == u')' ? 1 : line[i] == u'(' ? -1 : 0;
        if (depth == 0)
            return i;
    }
    return 0;
}

/// Just past the bracket group that opens at `open`, or the line's end when it never closes.
qsizetype GroupEnd(QStringView line, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < line.size(); ++i) {
        depth += line[i] == u'(' ? 1 : line[i] == u')' ? -1 : 0;
        if (depth == 0)
            return i + 1;
    }
    return line.size();
}

QString Quoted(QStringView factor)
{
    if (factor.startsWith(u'(') && factor.size() > LongestQuotedGroup)
        return u"(…)"_s;
    return factor.toString();
}

/// The factor that ends just before `end`: a number, x, or a bracket group.
QString FactorBefore(QStringView line, qsizetype end)
{
    const QChar last = line[end - 1];
    qsizetype start = end - 1;
    if (last == u')') {
        start = GroupStart(line, end - 1);
    } else if (IsAsciiDigit(last)) {
        while (start > 0 && (IsAsciiDigit(line[start - 1]) || line[start - 1] == u'.'))
            --start;
    }
    return Quoted(line.sliced(start, end - start));
}

/// The factor that starts at `start`: x or a bracket group.
QString FactorAt(QStringView line, qsizetype start)
{
    const qsizetype end = line[start] == u'(' ? GroupEnd(line, start) : start + 1;
    return Quoted(line.sliced(start, end - start));
}

/// The first place where two factors stand side by side with no sign between them: a digit,
/// x or ")" directly before x or "(".
std::optional<AnswerHint> LeftOutTimes(QStringView line)
{
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QChar before = line[i - 1];
        const bool endsFactor = IsAsciiDigit(before) || before == u'x' || before == u')';
        if (!endsFactor || (line[i] != u'x' && line[i] != u'('))
            continue;
        const QString left = FactorBefore(line, i);
        const QString right = FactorAt(line, i);
        return AnswerHint{HintKind::LeftOutTimes, left + right, left + u'*' + right};
    }
    return std::nullopt;
}

std::optional<AnswerHint> PercentSign(const QString &line, QStringView problemText,
                                      const LineJudge &judge)
{
    const QString number = line.trimmed();
    if (!problemText.contains(u"百分之几"_s) || !IsPlainDecimal(number))
        return std::nullopt;
    const QString percent = number + u'%';
    if (!judge(percent))
        return std::nullopt;
    return AnswerHint{HintKind::PercentSign, number, percent};
}

} // namespace

bool HasInputMethodCharacters(QStringView line)
{
    return std::any_of(line.begin(), line.end(), IsInputMethodCharacter);
}

AnswerHint HintForWrongLine(const QString &line, QStringView problemText, const LineJudge &judge)
{
    if (HasInputMethodCharacters(line))
        return {HintKind::InputMethod, {}, {}};
    if (HasDecimalComma(line))
        return {HintKind::DecimalComma, {}, {}};
    if (const std::optional<AnswerHint> times = LeftOutTimes(line))
        return *times;
    if (const std::optional<AnswerHint> percent = PercentSign(line, problemText, judge))
        return *percent;
    return {};
}

QString HintText(const AnswerHint &hint, const QString &rows)
{
    const QString start = u"提示："_s + rows;
    switch (hint.kind) {
    case HintKind::None:
        break;
    case HintKind::InputMethod:
        return start + u"请用英文输入法输入 + - * / ( ) 和数字"_s;
    case HintKind::DecimalComma:
        return start + u"小数点要用 . 输入"_s;
    case HintKind::LeftOutTimes:
        return start + u"乘号不能省略，"_s + hint.typed + u" 要写成 "_s + hint.meant;
    case HintKind::PercentSign:
        return start + u"百分数要写成 "_s + hint.meant;
    }
    return QString();
}

QString PracticeInputHint(const QString &line, const ProblemRecord &record, bool right)
{
    if (right)
        return QString();
    const LineJudge judge = [&record](const QString &changed) {
        return CheckAnswer(changed, record).right;
    };
    return HintText(HintForWrongLine(line, record.ProblemText, judge));
}

QString PaperInputHint(const QList<AnswerHint> &rowHints)
{
    HintKind first = HintKind::None;
    for (const AnswerHint &hint : rowHints) {
        if (hint.kind != HintKind::None && (first == HintKind::None || hint.kind < first))
            first = hint.kind;
    }
    if (first == HintKind::None)
        return QString();
    QStringList rows;
    const AnswerHint *quoted = nullptr;
    for (qsizetype i = 0; i < rowHints.size(); ++i) {
        if (rowHints[i].kind != first)
            continue;
        rows.append(QString::number(i + 1));
        quoted = quoted ? quoted : &rowHints[i];
    }
    return HintText(*quoted, u"第"_s + rows.join(u'、') + u"题"_s);
}
