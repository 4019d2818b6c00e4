// SPDX-License-Identifier: GPL-3.0-or-later
#include "knowledgereveal.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QList<int> revealedLengths(const KnowledgeReveal &reveal)
{
    QList<int> lengths;
    for (int i = 0; i < 5; ++i)
        lengths.append(int(reveal.revealed(i).size()));
    return lengths;
}

void tickTo(KnowledgeReveal &reveal, int tick)
{
    while (reveal.ticks() < tick)
        reveal.tick();
}

} // namespace

class KnowledgeRevealTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void passagesAreTheTeachingText_data();
    void passagesAreTheTeachingText();
    void passagesAppearOnTheirTicks_data();
    void passagesAppearOnTheirTicks();
    void eachTickReportsWhatGrew_data();
    void eachTickReportsWhatGrew();
    void revealedTextsArePrefixesOfThePassages();
    void nothingChangesAfterTheLastTick();
    void loadStartsAgainFromEmpty();
};

void KnowledgeRevealTest::passagesAreTheTeachingText_data()
{
    QTest::addColumn<int>("passage");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("begins");
    QTest::addColumn<QString>("ends");
    QTest::newRow("1") << 0 << u"Label1"_s << 1 << 24 << u"应用题的"_s << u"所求问题 "_s;
    QTest::newRow("2") << 1 << u"Label2"_s << 30 << 31 << u"解题方法"_s << u"桥梁， 因此，"_s;
    QTest::newRow("3") << 2 << u"Label3"_s << 60 << 173 << u"找出题目"_s << u"易如反掌了。"_s;
    QTest::newRow("4") << 3 << u"Label11"_s << 240 << 30 << u" 使用效果"_s << u"经过多年的"_s;
    QTest::newRow("5") << 4 << u"Label13"_s << 270 << 75 << u"试验证明"_s << u"与我们联系。"_s;
}

void KnowledgeRevealTest::passagesAreTheTeachingText()
{
    QFETCH(int, passage);
    QFETCH(QString, label);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, begins);
    QFETCH(QString, ends);
    const KnowledgePassage &p = KnowledgePassages()[passage];
    QCOMPARE(p.labelName, label);
    QCOMPARE(p.startTick, start);
    QCOMPARE(int(p.text.size()), length);
    QVERIFY(p.text.startsWith(begins));
    QVERIFY(p.text.endsWith(ends));
}

void KnowledgeRevealTest::passagesAppearOnTheirTicks_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("0 after load") << 0 << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("1") << 1 << QList<int>{1, 0, 0, 0, 0};
    QTest::newRow("24: passage 1 done (2.4 s)") << 24 << QList<int>{24, 0, 0, 0, 0};
    QTest::newRow("29: the pause") << 29 << QList<int>{24, 0, 0, 0, 0};
    QTest::newRow("30") << 30 << QList<int>{24, 1, 0, 0, 0};
    QTest::newRow("60: 2 done as 3 starts") << 60 << QList<int>{24, 31, 1, 0, 0};
    QTest::newRow("100: mid-reveal") << 100 << QList<int>{24, 31, 41, 0, 0};
    QTest::newRow("232: 3 done (23.2 s)") << 232 << QList<int>{24, 31, 173, 0, 0};
    QTest::newRow("239: the pause") << 239 << QList<int>{24, 31, 173, 0, 0};
    QTest::newRow("240") << 240 << QList<int>{24, 31, 173, 1, 0};
    QTest::newRow("269: 4 done (26.9 s)") << 269 << QList<int>{24, 31, 173, 30, 0};
    QTest::newRow("270: 5 follows at once") << 270 << QList<int>{24, 31, 173, 30, 1};
    QTest::newRow("344: all done (34.4 s)") << 344 << QList<int>{24, 31, 173, 30, 75};
}

void KnowledgeRevealTest::passagesAppearOnTheirTicks()
{
    QFETCH(int, tick);
    QFETCH(QList<int>, lengths);
    KnowledgeReveal reveal;
    reveal.load();
    tickTo(reveal, tick);
    QCOMPARE(revealedLengths(reveal), lengths);
    QCOMPARE(reveal.complete(), tick >= 344);
}

void KnowledgeRevealTest::eachTickReportsWhatGrew_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<QList<int>>("grown");
    QTest::newRow("1") << 1 << QList<int>{0};
    QTest::newRow("25") << 25 << QList<int>{};
    QTest::newRow("60") << 60 << QList<int>{1, 2};
    QTest::newRow("270") << 270 << QList<int>{4};
    QTest::newRow("345") << 345 << QList<int>{};
}

void KnowledgeRevealTest::eachTickReportsWhatGrew()
{
    QFETCH(int, tick);
    QFETCH(QList<int>, grown);
    KnowledgeReveal reveal;
    tickTo(reveal, tick - 1);
    QCOMPARE(reveal.tick(), grown);
}

void KnowledgeRevealTest::revealedTextsArePrefixesOfThePassages()
{
    KnowledgeReveal reveal;
    for (int tick = 1; tick <= 344; ++tick) {
        reveal.tick();
        for (int i = 0; i < 5; ++i)
            QVERIFY(KnowledgePassages()[i].text.startsWith(reveal.revealed(i)));
    }
    for (int i = 0; i < 5; ++i)
        QCOMPARE(reveal.revealed(i), KnowledgePassages()[i].text);
}

void KnowledgeRevealTest::nothingChangesAfterTheLastTick()
{
    KnowledgeReveal reveal;
    tickTo(reveal, 344);
    const QList<int> done = revealedLengths(reveal);
    // An hour and more on screen: the counter stays small and the text stays whole.
    for (int i = 0; i < 40000; ++i)
        QVERIFY(reveal.tick().isEmpty());
    QCOMPARE(revealedLengths(reveal), done);
    QVERIFY(reveal.ticks() <= 345);
    QVERIFY(reveal.complete());
}

void KnowledgeRevealTest::loadStartsAgainFromEmpty()
{
    KnowledgeReveal reveal;
    tickTo(reveal, 150);
    reveal.load();
    QCOMPARE(reveal.ticks(), 0);
    QCOMPARE(revealedLengths(reveal), (QList<int>{0, 0, 0, 0, 0}));
    reveal.tick();
    QCOMPARE(reveal.revealed(0), u"应"_s);
}

QTEST_GUILESS_MAIN(KnowledgeRevealTest)
#include "knowledgereveal_test.moc"
