// SPDX-License-Identifier: GPL-3.0-or-later
#include "sourcehints.h"

#include "problemrecord.h"

#include <QList>

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
