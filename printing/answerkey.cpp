// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerkey.h"

#include "answercheck.h"
#include "evaluator.h"
#include "numbertext.h"
#include "pageflow.h"
#include "paperdocument.h"
#include "paperlayout.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The answer as grading reads it: a stored sum, fraction or percentage is given by its
/// value. The evaluator reads any text leniently, so only arithmetic is evaluated; other
/// text (a damaged bank) is given as stored rather than as a made-up 0.
QString answerOf(const ProblemRecord &record)
{
    static const QRegularExpression arithmetic(u"^[0-9.+\\-*/()% ]+$"_s);
    const QString stored = record.AnswerText.trimmed();
    if (stored.isEmpty())
        return u"（无）"_s;
    if (!arithmetic.match(stored).hasMatch())
        return stored;
    const EvalResult value = EvalBrackets(PercentAsFraction(stored));
    return value.hasValue() ? NumberText(value.value) : stored;
}

void printKeyTitle(TextSurface &surface, const PageLayout &layout, const PageSettings &settings)
{
    surface.setFontSize(layout.titleSize);
    surface.setFontName(settings.fontName);
    // Longer than the paper's title, the key's title is centred by its measured width.
    surface.setCurrentX(layout.width / 2 - surface.textWidth(AnswerKeyTitle()) / 2);
    surface.setCurrentY(layout.top);
    surface.print(AnswerKeyTitle(), true);
    surface.newLine();
}

} // namespace

QList<AnswerKeyEntry> AnswerKeyOf(const QList<ProblemRecord> &problems)
{
    QList<AnswerKeyEntry> key;
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const ProblemRecord &record = problems[i];
        key.append(AnswerKeyEntry{int(i + 1), answerOf(record),
                                  WithoutTrailingBlanks(TextBeforeMarker(record.SolutionText))});
    }
    return key;
}

QString AnswerKeyTitle()
{
    return u"Orvik测试题 答案"_s;
}

QString AnswerKeyText(const QList<AnswerKeyEntry> &key)
{
    QString text;
    for (const AnswerKeyEntry &entry : key) {
        // The number stands as on the paper, with the blank of its sign.
        text += u" "_s + QString::number(entry.number) + u"、答案："_s + entry.answer + u"\n"_s;
        if (!entry.solution.isEmpty())
            text += u"解："_s + entry.solution + u"\n"_s;
        text += u"\n"_s;
    }
    return text;
}

bool DrawAnswerKey(PaperDocument &document, const QList<AnswerKeyEntry> &key,
                   const PageSettings &settings, int scale, bool showGuides)
{
    const PageLayout layout = LayoutOfPage(scale, settings);
    while (document.pageCount() > 1)
        document.removeLastPage();
    PaperPage &first = document.page(0);
    StartPage(first, layout, showGuides);
    printKeyTitle(first.text(), layout, settings);
    first.text().setFontName(settings.fontName);
    first.text().setFontSize(layout.bodySize);
    PageFlow flow(document, layout, settings.fontName, showGuides);
    flow.flow(AnswerKeyText(key), FlowRules::answerKey());
    return flow.finish();
}
