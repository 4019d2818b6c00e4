// SPDX-License-Identifier: GPL-3.0-or-later
#include "tomlascii.h"

#include <QList>
#include <QStringView>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Where { Outside, Comment, Basic, MultiBasic, Literal, MultiLiteral };

QString Escaped(char32_t c)
{
    if (c <= 0xFFFF)
        return u"\\u"_s + QString::number(uint(c), 16).rightJustified(4, u'0');
    return u"\\U"_s + QString::number(uint(c), 16).rightJustified(8, u'0');
}

class Rewriter {
public:
    explicit Rewriter(const QString &toml) : m_in(toml.toUcs4()) {}

    AsciiToml run()
    {
        while (m_at < m_in.size() && m_result.ok())
            step();
        if (m_result.ok() && m_where != Where::Outside && m_where != Where::Comment) {
            m_result.errorLine = m_openedOn;
            m_result.unclosedQuote = true;
        }
        return std::move(m_result);
    }

private:
    char32_t peek(qsizetype ahead = 0) const
    {
        return m_at + ahead < m_in.size() ? m_in[m_at + ahead] : 0;
    }
    bool opens(char32_t quote) const { return peek(1) == quote && peek(2) == quote; }
    void put(char32_t c) { m_result.text += QString::fromUcs4(&c, 1); }
    void put(const QString &text) { m_result.text += text; }

    void step()
    {
        const char32_t c = peek();
        if (c == U'\n')
            ++m_line;
        switch (m_where) {
        case Where::Outside:
            return outside(c);
        case Where::Comment:
            return comment(c);
        case Where::Basic:
        case Where::MultiBasic:
            return basic(c);
        case Where::Literal:
        case Where::MultiLiteral:
            return literal(c);
        }
    }

    void outside(char32_t c)
    {
        if (c >= 0x80) {
            refuse(QString::fromUcs4(&c, 1));
            return;
        }
        if ((c < 0x20 && c != U'\t' && c != U'\n' && c != U'\r') || c == 0x7F) {
            refuse(u"U+"_s + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
            return;
        }
        if (c == U'"' || c == U'\'') {
            const bool multi = opens(c);
            put(multi ? u"\"\"\""_s : u"\""_s);
            m_at += multi ? 3 : 1;
            m_where = c == U'"' ? (multi ? Where::MultiBasic : Where::Basic)
                                : (multi ? Where::MultiLiteral : Where::Literal);
            m_openedOn = m_line;
            return;
        }
        if (c == U'#')
            m_where = Where::Comment;
        put(c);
        ++m_at;
    }

    void comment(char32_t c)
    {
        if (c == U'\n')
            m_where = Where::Outside;
        put(c >= 0x80 ? U'?' : c);
        ++m_at;
    }

    void refuse(const QString &character)
    {
        m_result.errorLine = m_line;
        qsizetype lineStart = m_at;
        while (lineStart > 0 && m_in[lineStart - 1] != U'\n')
            --lineStart;
        m_result.errorColumn = int(m_at - lineStart) + 1;
        m_result.errorCharacter = character;
    }

    // A string ends at its quote; a multi-line one at three, of which up to two more quotes
    // before the end still belong to the text.
    bool closes(char32_t quote, bool multi)
    {
        if (peek() != quote || (multi && !opens(quote)))
            return false;
        qsizetype run = multi ? 3 : 1;
        while (multi && run < 5 && peek(run) == quote)
            ++run;
        for (qsizetype extra = 0; extra < run - (multi ? 3 : 1); ++extra)
            put(quote == U'"' ? u"\\\""_s : u"'"_s);
        put(multi ? u"\"\"\""_s : u"\""_s);
        m_at += run;
        m_where = Where::Outside;
        return true;
    }

    /// A one-line string that runs into the end of its line never closed.
    bool unclosed(char32_t c)
    {
        if ((c != U'\n' && c != U'\r') || (m_where != Where::Basic && m_where != Where::Literal))
            return false;
        m_result.errorLine = m_openedOn;
        m_result.unclosedQuote = true;
        return true;
    }

    void basic(char32_t c)
    {
        if (unclosed(c))
            return;
        if (closes(U'"', m_where == Where::MultiBasic))
            return;
        if (c == U'\\') {
            // The escaped character is copied as it stands; one beyond ASCII is no escape at
            // all, so the parser is left to refuse it.
            const char32_t next = peek(1);
            put(c);
            if (next != 0)
                put(next >= 0x80 ? U'?' : next);
            if (next == U'\n')
                ++m_line;
            m_at += next != 0 ? 2 : 1;
            return;
        }
        put(c >= 0x80 ? Escaped(c) : QString::fromUcs4(&c, 1));
        ++m_at;
    }

    void literal(char32_t c)
    {
        if (unclosed(c))
            return;
        const bool multi = m_where == Where::MultiLiteral;
        if (peek() == U'\'' && (!multi || opens(U'\''))) {
            closes(U'\'', multi);
            return;
        }
        if (c == U'\\' || c == U'"')
            put(U'\\');
        put(c >= 0x80 ? Escaped(c) : QString::fromUcs4(&c, 1));
        ++m_at;
    }

    QList<uint> m_in;
    qsizetype m_at = 0;
    int m_line = 1;
    int m_openedOn = 1;
    Where m_where = Where::Outside;
    AsciiToml m_result;
};

} // namespace

AsciiToml ToAsciiToml(const QString &toml)
{
    return Rewriter(toml).run();
}
