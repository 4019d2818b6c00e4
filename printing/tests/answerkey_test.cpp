// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerkey.h"
#include "paperdocument.h"
#include "paperlayout.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A record as the test window keeps it: the fields padded with blanks, the markers in
/// place.
ProblemRecord recordOf(const QString &solution, const QString &answer)
{
    return ProblemRecord{u"一道题？&"_s.leftJustified(ProblemTextBytes),
                         solution.leftJustified(SolutionTextBytes),
                         answer.leftJustified(AnswerTextBytes)};
}

QString textOf(const PaperDocument &document)
{
    QString text;
    for (int i = 0; i < document.pageCount(); ++i) {
        for (const TextSurface::Run &run : document.page(i).text().runs())
            text += run.text;
    }
    return text;
}

} // namespace

class AnswerKeyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachProblemGivesItsNumberAnswerAndSolution_data();
    void eachProblemGivesItsNumberAnswerAndSolution();
    void theKeyNumbersTheProblemsInOrder();
    void theKeyTextPutsEachPartOnItsOwnLine();
    void theKeyIsLaidOutUnderItsCentredTitle();
    void aLongKeyGoesOnOverFurtherPages();
};

void AnswerKeyTest::eachProblemGivesItsNumberAnswerAndSolution_data()
{
    QTest::addColumn<QString>("storedSolution");
    QTest::addColumn<QString>("storedAnswer");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("answer");
    QTest::newRow("whole number") << u"列式：24/3*5=40（元）。&"_s << u"40"_s
                                  << u"列式：24/3*5=40（元）。"_s << u"40"_s;
    QTest::newRow("written as a number") << u"x=0.5&"_s << u"0.50"_s << u"x=0.5"_s << u"0.5"_s;
    QTest::newRow("a fraction is its value") << u"3/4&"_s << u"3/4"_s << u"3/4"_s << u"0.75"_s;
    QTest::newRow("a percentage is its value") << u"25%&"_s << u"25%"_s << u"25%"_s << u"0.25"_s;
    QTest::newRow("nothing after the marker")
        << u"解法&旧的解法"_s << u"7"_s << u"解法"_s << u"7"_s;
    QTest::newRow("no marker keeps the whole text") << u"全文"_s << u"7"_s << u"全文"_s << u"7"_s;
    QTest::newRow("no answer stored") << u"&"_s << QString() << QString() << u"（无）"_s;
    QTest::newRow("an answer that is no number") << u"甲&"_s << u"约三"_s << u"甲"_s << u"约三"_s;
}

void AnswerKeyTest::eachProblemGivesItsNumberAnswerAndSolution()
{
    QFETCH(QString, storedSolution);
    QFETCH(QString, storedAnswer);
    QFETCH(QString, solution);
    QFETCH(QString, answer);
    const QList<AnswerKeyEntry> key = AnswerKeyOf({recordOf(storedSolution, storedAnswer)});
    QCOMPARE(key, QList<AnswerKeyEntry>({AnswerKeyEntry{1, answer, solution}}));
}

void AnswerKeyTest::theKeyNumbersTheProblemsInOrder()
{
    QList<ProblemRecord> problems;
    for (int i = 1; i <= 10; ++i)
        problems.append(recordOf(u"解"_s + QString::number(i) + u"&"_s, QString::number(i * 10)));
    const QList<AnswerKeyEntry> key = AnswerKeyOf(problems);
    QCOMPARE(key.size(), 10);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(key[i].number, i + 1);
        QCOMPARE(key[i].answer, QString::number((i + 1) * 10));
        QCOMPARE(key[i].solution, u"解"_s + QString::number(i + 1));
    }
}

void AnswerKeyTest::theKeyTextPutsEachPartOnItsOwnLine()
{
    QCOMPARE(AnswerKeyTitle(), u"Orvik测试题 答案"_s);
    const QString text =
        AnswerKeyText({AnswerKeyEntry{1, u"40"_s, u"24/3*5=40"_s}, {10, u"（无）"_s, QString()}});
    QCOMPARE(text, u" 1、答案：40\n解：24/3*5=40\n\n 10、答案：（无）\n\n"_s);
}

void AnswerKeyTest::theKeyIsLaidOutUnderItsCentredTitle()
{
    const PageSettings settings;
    PaperDocument document;
    QVERIFY(DrawAnswerKey(document,
                          {AnswerKeyEntry{1, u"40"_s, u"甲？乙"_s}, {2, u"36"_s, u"丙"_s}},
                          settings, 100, true));
    QCOMPARE(document.pageCount(), 1);
    const auto &runs = document.page(0).text().runs();
    const TextSurface::Run &title = runs.front();
    QCOMPARE(title.text, AnswerKeyTitle());
    QVERIFY(std::abs(title.at.x() + title.width / 2 - 4300) < 1e-6);
    QVERIFY(std::abs(title.at.y() - 802) < 1e-6);
    QVERIFY(std::abs(title.fontSize - 12) < 1e-6);
    QVERIFY(document.page(0).guide(Guide::Bottom).shown);

    // Each part starts its own line at the left limit; a question mark in a solution is an
    // ordinary character.
    QList<double> lineTops;
    for (const TextSurface::Run &run : runs) {
        if (std::abs(run.at.x() - 788) < 1e-6)
            lineTops.append(run.at.y());
        if (run.text == u"乙"_s)
            QVERIFY(run.at.x() > 788);
    }
    QCOMPARE(lineTops.size(), 4); // answer 1, solution 1, answer 2, solution 2
    QVERIFY(lineTops[2] - lineTops[1] > lineTops[1] - lineTops[0]); // an empty line between
}

void AnswerKeyTest::aLongKeyGoesOnOverFurtherPages()
{
    QList<AnswerKeyEntry> key;
    for (int i = 1; i <= 10; ++i)
        key.append(AnswerKeyEntry{i, QString::number(i), QString(120, u'解')});
    PageSettings settings;
    settings.fontSize = 15;
    PaperDocument document;
    QVERIFY(DrawAnswerKey(document, key, settings, 140, false));
    QVERIFY(document.pageCount() > 1);
    QString expected = AnswerKeyTitle() + AnswerKeyText(key);
    expected.remove(u'\n');
    QCOMPARE(textOf(document), expected);
    for (int i = 1; i < document.pageCount(); ++i)
        QVERIFY(!document.page(i).guide(Guide::Left).shown);
}

QTEST_MAIN(AnswerKeyTest)
#include "answerkey_test.moc"
