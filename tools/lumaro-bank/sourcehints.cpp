// SPDX-License-Identifier: GPL-3.0-or-later
#include "sourcehints.h"

#include "problemrecord.h"

#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

QString CodePoint(const QString &character)
{
    const QList<uint> ucs4 = character.toUcs4();
    return u"U+"_s + QString::number(ucs4.value(0), 16).toUpper().rightJustified(4, u'0');
}

/// Signs an input method or a word processor offers, and what a pupil types instead.
const QList<std::pair<QChar, QChar>> &TypedForms()
{
    static const QList<std::pair<QChar, QChar>> forms = {
        {u'×', u'*'},  {u'÷', u'/'},  {u'（', u'('}, {u'）', u')'}, {u'＋', u'+'},
        {u'－', u'-'}, {u'＝', u'='}, {u'＊', u'*'}, {u'／', u'/'}, {u'：', u':'},
        {u'∶', u':'},  {u'％', u'%'}, {u'．', u'.'}, {u'ｘ', u'x'}, {u'Ｘ', u'x'}};
    return forms;
}

int EditDistance(const QString &a, const QString &b)
{
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

QString FirstNonGbkCharacter(const QString &text)
{
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(at, length);
        if (!EncodeGbk(character))
            return character;
        at += length;
    }
    return {};
}

QString NonGbkCharacterReason(const QString &character, const QStringList &lines, int fromLine)
{
    const QString what = u"字符“"_s % character % u"”（"_s % CodePoint(character) %
                         u"）不在 GBK 字符集里，程序无法显示它：请删去，或换成 GBK 里有的字"_s;
    for (qsizetype i = std::max(fromLine - 1, 0); i < lines.size(); ++i) {
        const qsizetype at = lines[i].indexOf(character);
        if (at >= 0) {
            const qsizetype column = lines[i].left(at).toUcs4().size() + 1;
            return u"第 "_s % QString::number(i + 1) % u" 行第 "_s % QString::number(column) %
                   u" 列："_s % what;
        }
    }
    return what;
}

QString InputRuleReason(const QString &kind, const QString &line)
{
    QString typed = line;
    QStringList found;
    for (const auto &[wide, ascii] : TypedForms()) {
        if (typed.contains(wide)) {
            found.append(u"“"_s % wide % u"”"_s);
            typed.replace(wide, ascii);
        }
    }
    if (found.isEmpty())
        return {};
    return kind % u" "_s % line % u" 含有 "_s % found.join(u'、') %
           u"：学生在答题框里只能输入半角的 + - * / ( ) = : % "
           u"和数字（输入法打出的全角符号判为错），"
           u"请写成 "_s %
           typed;
}

QString NearestKey(const QString &key, const QStringList &known)
{
    QString nearest;
    int best = 3;
    for (const QString &candidate : known) {
        const int distance = EditDistance(key.toLower(), candidate);
        if (distance < best) {
            best = distance;
            nearest = candidate;
        }
    }
    return nearest;
}

QString TomlErrorText(const QString &description)
{
    static const QRegularExpression quotedName(u"'([^']*)'"_s);
    if (description.contains(u"redefine"_s)) {
        const QString key = quotedName.match(description).captured(1);
        return u"键“"_s % key %
               u"”写了两次：每个键在一节里只能写一次（每道题另起一个 [[problem]]）"_s;
    }
    const struct {
        QString said;
        QString meant;
    } known[] = {
        {u"expected value"_s, u"等号后面缺少值（文字要写在引号里，例如 title = \"加减应用题\"）"_s},
        {u"expected comma or closing ']'"_s,
         u"方括号里的各项之间要用半角逗号“,”隔开，最后用“]”结束"_s},
        {u"expected '='"_s, u"键和值之间缺少等号“=”（键名里也不能有空格）"_s},
        {u"table header"_s, u"节的名称写得不完整：应为 [intro] 或 [[problem]]"_s},
        {u"escape sequence"_s, u"引号里的“\\”后面不能跟这个字符：要写“\\”本身请写成“\\\\”"_s},
        {u"floating-point"_s, u"数写得不对（答案之类的文字要写在引号里）"_s},
        {u"integer"_s, u"数写得不对（答案之类的文字要写在引号里）"_s},
    };
    for (const auto &[said, meant] : known) {
        if (description.contains(said))
            return meant;
    }
    return u"TOML 语法错误：请检查这一行的引号、方括号、逗号和等号"_s;
}
