// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperdocument.h"
#include "paperlayout.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double Tolerance = 1e-6;

bool near(double a, double b)
{
    return std::abs(a - b) < Tolerance;
}

/// A paper as the test window composes it: a blank, the number, "、", the text, CR LF CR LF.
QString paperOf(const QStringList &problems)
{
    QString paper;
    for (qsizetype i = 0; i < problems.size(); ++i)
        paper += u" "_s + QString::number(i + 1) + u"、"_s + problems[i] + u"\r\n\r\n"_s;
    return paper;
}

/// The runs of the body: everything after the title.
std::vector<TextSurface::Run> bodyRuns(const PaperPage &page)
{
    const auto &runs = page.text().runs();
    return std::vector<TextSurface::Run>(runs.begin() + 1, runs.end());
}

double bodyLineHeight(const PageSettings &settings, int scale)
{
    TextSurface surface;
    surface.setFontName(settings.fontName);
    surface.setFontSize(LayoutOfPage(scale, settings).bodySize);
    return surface.lineHeight();
}

double titleLineHeight(const PageSettings &settings, int scale)
{
    TextSurface surface;
    surface.setFontName(settings.fontName);
    surface.setFontSize(LayoutOfPage(scale, settings).titleSize);
    return surface.lineHeight();
}

double bodyWidth(const PageSettings &settings, int scale, const QString &character)
{
    TextSurface surface;
    surface.setFontName(settings.fontName);
    surface.setFontSize(LayoutOfPage(scale, settings).bodySize);
    return surface.textWidth(character);
}

} // namespace

class PaperLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutValuesAtTheDefaultSettings_data();
    void layoutValuesAtTheDefaultSettings();
    void titleIsPlacedByItsSizeInTheTitleFont_data();
    void titleIsPlacedByItsSizeInTheTitleFont();
    void guidesAt100Percent();
    void guidesAreShownOrHiddenAsAsked();
    void marginsStayAbsoluteWhileThePageScales();
    void bodyStartsTwoTitleLinesBelowTheTitle();
    void textWrapsCharacterByCharacter();
    void questionMarksEndTheLineAndLeaveThreeEmptyLines_data();
    void questionMarksEndTheLineAndLeaveThreeEmptyLines();
    void lineBreaksDrawNothing();
    void textBelowTheBottomLimitGoesToTheNextPage();
    void anEmptyPaperGivesTheTitleOnly();
    void marginsThatMeetGiveOneCharacterALine();
    void aFaceTheSystemLacksIsPassedOnUnchanged();
};

void PaperLayoutTest::layoutValuesAtTheDefaultSettings_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("titleSize");
    QTest::addColumn<double>("bodySize");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("bottom");
    QTest::newRow("80 %") << 80 << 6880.0 << 9360.0 << 9.6 << 8.0 << 650.4 << 6092.0 << 8511.2;
    QTest::newRow("100 %") << 100 << 8600.0 << 11700.0 << 12.0 << 10.0 << 788.0 << 7640.0
                           << 10664.0;
    QTest::newRow("120 %") << 120 << 10320.0 << 14040.0 << 14.4 << 12.0 << 925.6 << 9188.0
                           << 12816.8;
    QTest::newRow("140 %") << 140 << 12040.0 << 16380.0 << 16.8 << 14.0 << 1063.2 << 10736.0
                           << 14969.6;
}

void PaperLayoutTest::layoutValuesAtTheDefaultSettings()
{
    QFETCH(int, scale);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, titleSize);
    QFETCH(double, bodySize);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, bottom);
    const PageLayout layout = LayoutOfPage(scale, PageSettings());
    QVERIFY(near(layout.width, width));
    QVERIFY(near(layout.height, height));
    QVERIFY(near(layout.titleSize, titleSize));
    QVERIFY(near(layout.bodySize, bodySize));
    QVERIFY2(near(layout.left, left), qPrintable(QString::number(layout.left, 'f', 9)));
    QVERIFY2(near(layout.right, right), qPrintable(QString::number(layout.right, 'f', 9)));
    QVERIFY2(near(layout.bottom, bottom), qPrintable(QString::number(layout.bottom, 'f', 9)));

    // The page takes that size when the paper is drawn.
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, QString(), PageSettings(), scale, true);
    QVERIFY(near(page.size().width(), width));
    QVERIFY(near(page.size().height(), height));
}

void PaperLayoutTest::titleIsPlacedByItsSizeInTheTitleFont_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("size");
    QTest::newRow("80 %") << 80 << 2480.0 << 661.6 << 9.6;
    QTest::newRow("100 %") << 100 << 3100.0 << 802.0 << 12.0;
    QTest::newRow("140 %") << 140 << 4340.0 << 1082.8 << 16.8;
}

void PaperLayoutTest::titleIsPlacedByItsSizeInTheTitleFont()
{
    QFETCH(int, scale);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, size);
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, paperOf({u"小明有5本书，小红有3本，一共有几本？"_s}), PageSettings(),
                  scale, true);
    const TextSurface::Run &title = page.text().runs().front();
    QCOMPARE(title.text, u"Orvik测试题"_s);
    QVERIFY2(near(title.at.x(), x), qPrintable(QString::number(title.at.x(), 'f', 9)));
    QVERIFY2(near(title.at.y(), y), qPrintable(QString::number(title.at.y(), 'f', 9)));
    QVERIFY(near(title.fontSize, size));
    QCOMPARE(title.fontName, u"宋体"_s);
    QVERIFY(near(bodyRuns(page).front().fontSize, size - 2 * scale / 100.0));
}

void PaperLayoutTest::guidesAt100Percent()
{
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, QString(), PageSettings(), 100, true);
    const struct {
        Guide guide;
        QRectF area;
    } expected[] = {
        {Guide::Top, QRectF(0, 503.1, 8600, 10)},
        {Guide::Left, QRectF(688, 0, 15, 11700)},
        {Guide::Right, QRectF(7912, 0, 15, 11700)},
        {Guide::Bottom, QRectF(0, 10764, 8600, 15)},
    };
    for (const auto &[guide, area] : expected) {
        const QRectF placed = page.guide(guide).area;
        QVERIFY(near(placed.x(), area.x()));
        QVERIFY(near(placed.y(), area.y()));
        QVERIFY(near(placed.width(), area.width()));
        QVERIFY(near(placed.height(), area.height()));
    }
}

void PaperLayoutTest::guidesAreShownOrHiddenAsAsked()
{
    for (bool shown : {true, false}) {
        PaperDocument document;
        PaperPage &page = document.page(0);
        DrawPaperPage(document, QString(), PageSettings(), 140, shown);
        for (Guide guide : {Guide::Top, Guide::Left, Guide::Right, Guide::Bottom}) {
            QCOMPARE(page.guide(guide).shown, shown);
            QVERIFY(!page.guide(guide).area.isEmpty()); // placed either way
        }
        QVERIFY(near(page.guide(Guide::Right).area.x(), 0.92 * 12040));
    }
}

void PaperLayoutTest::marginsStayAbsoluteWhileThePageScales()
{
    PageSettings settings;
    settings.left = 3.5;
    settings.right = 2;
    settings.bottom = 7;
    settings.top = 0;
    for (int scale : PageScales) {
        const PageLayout layout = LayoutOfPage(scale, settings);
        QVERIFY(near(layout.left, 0.08 * layout.width + 350));
        QVERIFY(near(layout.right, 0.9 * layout.width - 200));
        QVERIFY(near(layout.bottom, 0.92 * layout.height - 700));
    }
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, QString(), settings, 120, true);
    QVERIFY(near(page.text().runs().front().at.y(), 0.06 * 14040));
}

void PaperLayoutTest::bodyStartsTwoTitleLinesBelowTheTitle()
{
    const PageSettings settings;
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, paperOf({u"甲"_s}), settings, 100, true);
    const auto body = bodyRuns(page);
    QCOMPARE(body.front().text, u" "_s);
    QVERIFY(near(body.front().at.x(), 788));
    QVERIFY(near(body.front().at.y(), 802 + 2 * titleLineHeight(settings, 100)));
}

void PaperLayoutTest::textWrapsCharacterByCharacter()
{
    const PageSettings settings;
    const int scale = 100;
    const PageLayout layout = LayoutOfPage(scale, settings);
    const double width = bodyWidth(settings, scale, u"书"_s);
    const int perLine = int(std::ceil((layout.right - layout.left) / width));
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, QString(perLine * 2 + 3, u'书'), settings, scale, true);
    const auto body = bodyRuns(page);
    QCOMPARE(int(body.size()), perLine * 2 + 3);

    const double lineHeight = bodyLineHeight(settings, scale);
    const double firstY = body.front().at.y();
    for (size_t i = 0; i < body.size(); ++i) {
        const int line = int(i) / perLine;
        const int column = int(i) % perLine;
        QVERIFY(near(body[i].at.y(), firstY + line * lineHeight));
        QVERIFY(near(body[i].at.x(), layout.left + column * width));
        QVERIFY(body[i].at.x() < layout.right); // may end past R, never start there
    }
    QVERIFY(body[perLine - 1].at.x() + width >= layout.right);
}

void PaperLayoutTest::questionMarksEndTheLineAndLeaveThreeEmptyLines_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("full-width mark") << u"有几本？还剩"_s << u"？"_s << u"还"_s;
    QTest::newRow("ASCII mark") << u"x=?y"_s << u"?"_s << u"y"_s;
    QTest::newRow("mid-statement") << u"问：多少？再问：几个？"_s << u"？"_s << u"再"_s;
    QTest::newRow("next problem") << paperOf({u"几本？"_s, u"多少？"_s}) << u"？"_s << u" "_s;
}

void PaperLayoutTest::questionMarksEndTheLineAndLeaveThreeEmptyLines()
{
    QFETCH(QString, paper);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const PageSettings settings;
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, paper, settings, 100, true);
    const auto body = bodyRuns(page);
    const auto mark = std::find_if(body.begin(), body.end(),
                                   [&](const TextSurface::Run &run) { return run.text == before; });
    QVERIFY(mark != body.end());
    const TextSurface::Run &next = *(mark + 1);
    QCOMPARE(next.text, after);
    QVERIFY(near(next.at.x(), 788));
    QVERIFY(near(next.at.y(), mark->at.y() + 4 * bodyLineHeight(settings, 100)));
}

void PaperLayoutTest::lineBreaksDrawNothing()
{
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, u"甲\r\n\r\n乙，丙"_s, PageSettings(), 100, true);
    const auto body = bodyRuns(page);
    QCOMPARE(int(body.size()), 4);
    QCOMPARE(body[1].text, u"乙"_s);
    // A statement without a question mark runs on into the next on the same line.
    QCOMPARE(body[1].at.y(), body[0].at.y());
    QVERIFY(near(body[1].at.x(), body[0].at.x() + body[0].width));
}

void PaperLayoutTest::textBelowTheBottomLimitGoesToTheNextPage()
{
    const PageSettings settings;
    for (int scale : {80, 140}) {
        const PageLayout layout = LayoutOfPage(scale, settings);
        QString paper;
        for (int i = 0; i < 60; ++i)
            paper += u"甲乙丙？"_s;
        PaperDocument document;
        PaperPage &page = document.page(0);
        DrawPaperPage(document, paper, settings, scale, true);
        const auto body = bodyRuns(page);
        QVERIFY(int(body.size()) < paper.size());
        QVERIFY(!body.empty());
        QVERIFY(document.pageCount() > 1); // the rest is on further pages
        for (const TextSurface::Run &run : body)
            QVERIFY(run.at.y() < layout.bottom);
        // The next line would have started at or below B.
        QVERIFY(body.back().at.y() + 4 * bodyLineHeight(settings, scale) >= layout.bottom);
        QCOMPARE(body.back().text, u"？"_s);
    }
}

void PaperLayoutTest::anEmptyPaperGivesTheTitleOnly()
{
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, QString(), PageSettings(), 100, true);
    QCOMPARE(int(page.text().runs().size()), 1);
    QVERIFY(page.guide(Guide::Bottom).shown);
}

void PaperLayoutTest::marginsThatMeetGiveOneCharacterALine()
{
    PageSettings settings;
    settings.left = 40;
    settings.right = 40;
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, u"一二三四"_s, settings, 100, true);
    const auto body = bodyRuns(page);
    QCOMPARE(int(body.size()), 4);
    const double lineHeight = bodyLineHeight(settings, 100);
    for (size_t i = 1; i < body.size(); ++i) {
        QVERIFY(near(body[i].at.x(), body[0].at.x()));
        QVERIFY(near(body[i].at.y(), body[i - 1].at.y() + lineHeight));
    }
}

void PaperLayoutTest::aFaceTheSystemLacksIsPassedOnUnchanged()
{
    PageSettings settings;
    settings.fontName = u"不存在的字体"_s;
    settings.fontSize = 20;
    PaperDocument document;
    PaperPage &page = document.page(0);
    DrawPaperPage(document, u"甲"_s, settings, 100, true);
    for (const TextSurface::Run &run : page.text().runs())
        QCOMPARE(run.fontName, settings.fontName);
    QVERIFY(near(bodyRuns(page).front().fontSize, 20));
}

QTEST_MAIN(PaperLayoutTest)
#include "paperlayout_test.moc"
