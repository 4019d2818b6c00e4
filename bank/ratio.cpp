// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio.h"

#include "textscan.h"

#include <QList>

namespace {

using TextScan::IsExponentLetterOfNumber;
using TextScan::PreviousNonBlank;

/// Whether the "+" or "-" at `pos` joins two terms, as the evaluator reads it: not when it is
/// the sign of the number after an operator, a ":" or an exponent letter (2*-3, 3:-4, 1E-3).
bool JoinsTerms(const QString &text, qsizetype pos)
{
    const qsizetype before = PreviousNonBlank(text, pos);
    if (before < 0)
        return true;
    const QChar c = text[before];
    if (c == u'*' || c == u'/' || c == u':' || c == u'+' || c == u'-')
        return false;
    return !IsExponentLetterOfNumber(text, before);
}

/// Where brackets go: how many open before, and how many close before, each position.
class BracketPlan {
public:
    explicit BracketPlan(qsizetype size) : m_opens(size + 1, 0), m_closes(size + 1, 0) {}

    void wrap(qsizetype start, qsizetype end)
    {
        ++m_opens[start];
        ++m_closes[end];
    }
    /// The ":" at `pos` closes the term before it and opens the one after it.
    void splitAt(qsizetype pos) { wrap(pos + 1, pos); }

    /// An empty term between two marks comes out as "()": opening brackets go first.
    QString apply(const QString &text) const
    {
        QString out;
        out.reserve(text.size() + 4 * (text.count(u':') + 1));
        for (qsizetype i = 0; i <= text.size(); ++i) {
            for (int k = 0; k < m_opens[i]; ++k)
                out.append(u'(');
            for (int k = 0; k < m_closes[i]; ++k)
                out.append(u')');
            if (i < text.size())
                out.append(text[i] == u':' ? QChar(u'/') : text[i]);
        }
        return out;
    }

private:
    QList<int> m_opens;
    QList<int> m_closes;
};

/// The term being read at one bracket depth.
struct Term {
    qsizetype start = 0;
    bool hasRatio = false;
};

void EndTerm(Term &term, qsizetype end, BracketPlan &plan)
{
    if (term.hasRatio)
        plan.wrap(term.start, end);
    term.hasRatio = false;
}

} // namespace

QString RatiosAsQuotients(const QString &text)
{
    if (!text.contains(u':'))
        return text;
    BracketPlan plan(text.size());
    QList<Term> depth{Term{}};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'(') {
            depth.append(Term{i + 1});
        } else if (c == u')' && depth.size() > 1) {
            EndTerm(depth.last(), i, plan);
            depth.removeLast();
        } else if (c == u')' || c == u'=' || ((c == u'+' || c == u'-') && JoinsTerms(text, i))) {
            // An unmatched ")" ends the term too; the evaluator reports it.
            EndTerm(depth.last(), i, plan);
            depth.last().start = i + 1;
        } else if (c == u':') {
            plan.splitAt(i);
            depth.last().hasRatio = true;
        }
    }
    while (!depth.isEmpty()) {
        EndTerm(depth.last(), text.size(), plan);
        depth.removeLast();
    }
    return plan.apply(text);
}
