// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings.h"

#include "sourcehints.h"
#include "tomlascii.h"

#include <QRegularExpression>

#include <algorithm>

#include <toml++/toml.h>

using namespace Qt::Literals::StringLiterals;

extern const char *const BuiltInReadingsToml; // data/banks/readings.toml, compiled in

namespace {

bool IsHan(QChar c)
{
    return c.script() == QChar::Script_Han;
}

QString TomlText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void SortLongestFirst(QList<WordReading> &rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const WordReading &a, const WordReading &b) {
        return a.word.size() > b.word.size();
    });
}

/// The word with its Chinese characters replaced one by one by the syllables.
QString Spoken(const WordReading &reading)
{
    const QStringList syllables = reading.pinyin.split(u' ', Qt::SkipEmptyParts);
    QString spoken;
    qsizetype next = 0;
    for (QChar c : reading.word) {
        if (IsHan(c))
            spoken += u' ' % syllables[next++] % u' ';
        else
            spoken += c;
    }
    return spoken;
}

} // namespace

QString ReadingError(const WordReading &reading)
{
    static const QRegularExpression syllable(u"^[a-z]+[1-5]$"_s);
    const QStringList syllables = reading.pinyin.split(u' ', Qt::SkipEmptyParts);
    const auto hanCount = std::count_if(reading.word.begin(), reading.word.end(), IsHan);
    if (hanCount == 0)
        return u"词中没有汉字"_s;
    if (syllables.size() != hanCount)
        return u"拼音的音节数（%1）与汉字数（%2）不同"_s.arg(syllables.size()).arg(hanCount);
    for (const QString &s : syllables) {
        if (!syllable.match(s).hasMatch())
            return u"“%1”不是带声调数字（1-5）的拼音音节"_s.arg(s);
    }
    return {};
}

ReadingTable ReadingTable::BuiltIn()
{
    static const ReadingTable table = [] {
        QStringList errors;
        return FromToml(QString::fromUtf8(BuiltInReadingsToml), errors);
    }();
    return table;
}

ReadingTable ReadingTable::FromToml(const QString &toml, QStringList &errors)
{
    ReadingTable table;
    const AsciiToml ascii = ToAsciiToml(toml);
    if (!ascii.ok()) {
        errors.append(
            ascii.unclosedQuote
                ? u"第%1行：引号没有闭合"_s.arg(ascii.errorLine)
                : u"第%1行：字符 %2 不在字符串中"_s.arg(ascii.errorLine).arg(ascii.errorCharacter));
        return table;
    }
    toml::table root;
    try {
        root = toml::parse(ascii.text.toStdString());
    } catch (const toml::parse_error &error) {
        errors.append(u"第%1行：%2"_s.arg(error.source().begin.line)
                          .arg(TomlErrorText(TomlText(error.description()))));
        return table;
    }
    const toml::table *rows = root["readings"].as_table();
    if (!rows) {
        errors.append(u"没有 [readings] 表"_s);
        return table;
    }
    for (const auto &[key, value] : *rows) {
        const WordReading reading{TomlText(key.str()),
                                  TomlText(value.value_or(std::string_view()))};
        if (const QString error = ReadingError(reading); !error.isEmpty())
            errors.append(reading.word % u"："_s % error);
        else
            table.m_rows.append(reading);
    }
    SortLongestFirst(table.m_rows);
    return table;
}

void ReadingTable::merge(const ReadingTable &other)
{
    for (const WordReading &row : other.m_rows) {
        m_rows.removeIf([&](const WordReading &mine) { return mine.word == row.word; });
        m_rows.append(row);
    }
    SortLongestFirst(m_rows);
}

QString ReadingTable::apply(const QString &text) const
{
    QString result;
    for (qsizetype i = 0; i < text.size();) {
        const auto row = std::find_if(m_rows.begin(), m_rows.end(), [&](const WordReading &r) {
            return QStringView(text).mid(i).startsWith(r.word);
        });
        if (row == m_rows.end()) {
            result += text[i++];
            continue;
        }
        result += Spoken(*row);
        i += row->word.size();
    }
    return result.simplified();
}
