// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageflow.h"
#include "paperdocument.h"
#include "paperlayout.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A paper as the test window composes it, of any number of problems of varied lengths.
QString paperOf(int problems)
{
    const QStringList statements = {
        u"文具店里3支钢笔卖24元。照这样计算，买5支同样的钢笔要多少元？"_s,
        u"学校把60本新书按2∶3分给四年级和五年级，五年级分到多少本？"_s,
        u"一台打印机4分钟打印了96页，照这样的速度，打印360页需要多少分钟？"_s,
        u"做蛋糕时，每用3个鸡蛋要配150克面粉。妈妈这次用了8个鸡蛋，要配面粉多少克？"_s,
        u"甲乙两地相距240千米，一辆汽车从甲地开往乙地，已经行了全程的3/8"_s, // no mark
    };
    QString paper;
    for (int i = 1; i <= problems; ++i)
        paper += u" "_s + QString::number(i) + u"、"_s + statements[i % statements.size()] +
                 u"\r\n\r\n"_s;
    return paper;
}

QString textOf(const PaperPage &page)
{
    QString text;
    for (const TextSurface::Run &run : page.text().runs())
        text += run.text;
    return text;
}

QString textOf(const PaperDocument &document)
{
    QString text;
    for (int i = 0; i < document.pageCount(); ++i)
        text += textOf(document.page(i));
    return text;
}

int timesNumbered(const QString &text, int number)
{
    const QRegularExpression numbered(u" "_s + QString::number(number) + u"、"_s);
    return int(text.count(numbered));
}

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

} // namespace

class PaginationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aLongPaperGoesOnOverFurtherPages_data();
    void aLongPaperGoesOnOverFurtherPages();
    void furtherPagesHaveTheSameGuidesAndFontsAndNoTitle();
    void pageOneOfALongPaperIsThePageOfTheFittingPart();
    void aFittingPaperIsOnePage();
    void lineBreaksAndBlanksAtTheEndStartNoPage();
    void withoutRoomForALineTheRestIsNotPlaced();
    void aTextNeedingTooManyPagesIsCutAtTheLimit();
    void aShorterPaperGivesBackTheFurtherPages();
};

void PaginationTest::aLongPaperGoesOnOverFurtherPages_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("fontSize");
    QTest::addColumn<double>("margin");
    QTest::newRow("defaults at 100 %") << 100 << 10.0 << 1.0;
    QTest::newRow("80 %") << 80 << 10.0 << 1.0;
    QTest::newRow("140 %, large type") << 140 << 15.0 << 1.0;
    QTest::newRow("wide margins") << 100 << 12.0 << 7.0;
}

void PaginationTest::aLongPaperGoesOnOverFurtherPages()
{
    QFETCH(int, scale);
    QFETCH(double, fontSize);
    QFETCH(double, margin);
    PageSettings settings;
    settings.fontSize = fontSize;
    settings.top = settings.bottom = settings.left = settings.right = margin;
    const QString paper = paperOf(40);
    PaperDocument document;
    QVERIFY(DrawPaperPage(document, paper, settings, scale, true));
    QVERIFY2(document.pageCount() >= 3, qPrintable(QString::number(document.pageCount())));

    // Every character but the line breaks is drawn, once and in order.
    QString expected = paper;
    expected.remove(u'\r');
    expected.remove(u'\n');
    QCOMPARE(textOf(document), PaperTitle() + expected);
    for (int number = 1; number <= 40; ++number)
        QCOMPARE(timesNumbered(textOf(document), number), 1);

    const PageLayout layout = LayoutOfPage(scale, settings);
    for (int i = 0; i < document.pageCount(); ++i) {
        const auto &runs = document.page(i).text().runs();
        QVERIFY(!runs.empty());
        for (const TextSurface::Run &run : runs)
            QVERIFY(run.at.y() < layout.bottom);
        if (i > 0) {
            // A further page starts at the left limit, where the title stands on page 1.
            QVERIFY(near(runs.front().at.x(), layout.left));
            QVERIFY(near(runs.front().at.y(), layout.top));
        }
    }
}

void PaginationTest::furtherPagesHaveTheSameGuidesAndFontsAndNoTitle()
{
    PageSettings settings;
    settings.fontName = u"黑体"_s;
    for (bool shown : {true, false}) {
        PaperDocument document;
        DrawPaperPage(document, paperOf(40), settings, 120, shown);
        QVERIFY(document.pageCount() > 1);
        const PaperPage &first = document.page(0);
        for (int i = 1; i < document.pageCount(); ++i) {
            const PaperPage &page = document.page(i);
            QCOMPARE(page.size(), first.size());
            for (Guide guide : {Guide::Top, Guide::Left, Guide::Right, Guide::Bottom})
                QCOMPARE(page.guide(guide), first.guide(guide));
            QVERIFY(!textOf(page).contains(PaperTitle()));
            for (const TextSurface::Run &run : page.text().runs()) {
                QCOMPARE(run.fontName, u"黑体"_s);
                QVERIFY(near(run.fontSize, 12));
            }
        }
    }
}

void PaginationTest::pageOneOfALongPaperIsThePageOfTheFittingPart()
{
    // The part of the long paper that fits is laid out exactly as when it is all there is.
    const PageSettings settings;
    PaperDocument longPaper;
    DrawPaperPage(longPaper, paperOf(40), settings, 100, true);
    const auto &firstPage = longPaper.page(0).text().runs();
    PaperDocument fitting;
    DrawPaperPage(fitting, paperOf(40).left(textOf(longPaper.page(0)).size() - 1), settings, 100,
                  true);
    QCOMPARE(fitting.pageCount(), 1);
    const auto &alone = fitting.page(0).text().runs();
    QVERIFY(alone.size() > 100);
    for (size_t i = 0; i < alone.size(); ++i) {
        QCOMPARE(firstPage[i].text, alone[i].text);
        QCOMPARE(firstPage[i].at, alone[i].at);
        QCOMPARE(firstPage[i].fontSize, alone[i].fontSize);
    }
}

void PaginationTest::aFittingPaperIsOnePage()
{
    const PageSettings settings;
    PaperDocument document;
    QVERIFY(DrawPaperPage(document, paperOf(6), settings, 100, true));
    QCOMPARE(document.pageCount(), 1);
    const TextSurface::Run &title = document.page(0).text().runs().front();
    QVERIFY(near(title.at.x(), 3100));
    QVERIFY(near(title.at.y(), 802));
    QVERIFY(near(document.page(0).text().runs()[1].at.x(), 788));
}

void PaginationTest::lineBreaksAndBlanksAtTheEndStartNoPage()
{
    const PageSettings settings;
    QString full;
    for (int i = 0; i < 60; ++i)
        full += u"甲乙丙？"_s;
    PaperDocument document;
    DrawPaperPage(document, full, settings, 100, true);
    const int fit = int(textOf(document.page(0)).count(u"？"_s));
    const QString exactly = full.left(fit * 4);

    DrawPaperPage(document, exactly + u"\r\n\r\n  \r\n"_s, settings, 100, true);
    QCOMPARE(document.pageCount(), 1);
    DrawPaperPage(document, exactly + u"丁"_s, settings, 100, true);
    QCOMPARE(document.pageCount(), 2);
    QCOMPARE(textOf(document.page(1)), u"丁"_s);
}

void PaginationTest::withoutRoomForALineTheRestIsNotPlaced()
{
    // A top margin this large leaves the first line of a further page below the bottom limit.
    PageSettings settings;
    settings.top = 100;
    PaperDocument document;
    QVERIFY(!DrawPaperPage(document, paperOf(2), settings, 100, true));
    QCOMPARE(document.pageCount(), 1);
    QCOMPARE(textOf(document), PaperTitle());
    // With an empty paper nothing is missing.
    QVERIFY(DrawPaperPage(document, QString(), settings, 100, true));
}

void PaginationTest::aTextNeedingTooManyPagesIsCutAtTheLimit()
{
    PageSettings settings;
    settings.fontSize = 200;
    PaperDocument document;
    QVERIFY(!DrawPaperPage(document, QString(5000, u'书'), settings, 140, false));
    QCOMPARE(document.pageCount(), MaxDocumentPages);
}

void PaginationTest::aShorterPaperGivesBackTheFurtherPages()
{
    PaperDocument document;
    QList<int> counts;
    connect(&document, &PaperDocument::pageCountChanged, this, [&](int n) { counts.append(n); });
    DrawPaperPage(document, paperOf(40), PageSettings(), 100, true);
    const int pages = document.pageCount();
    QVERIFY(pages > 1);
    document.clear();
    DrawPaperPage(document, paperOf(2), PageSettings(), 100, true);
    QCOMPARE(document.pageCount(), 1);
    QCOMPARE(counts.back(), 1);
    QVERIFY(!textOf(document).contains(u" 3、"_s));
}

QTEST_MAIN(PaginationTest)
#include "pagination_test.moc"
