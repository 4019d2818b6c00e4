// SPDX-License-Identifier: GPL-3.0-or-later
#include "textsurface.h"
#include "units.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QImage blankPage(QSize size, double dpi)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

QImage rendered(const TextSurface &surface, QSize size, double dpi)
{
    QImage image = blankPage(size, dpi);
    QPainter painter(&image);
    surface.render(painter);
    return image;
}

// The smallest rectangle holding every reddish pixel.
QRect redArea(const QImage &image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 120 && c.blue() < 120)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

} // namespace

class TextSurfaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printAdvancesByTheTextWidth_data();
    void printAdvancesByTheTextWidth();
    void lineBreaksHaveNoWidth_data();
    void lineBreaksHaveNoWidth();
    void newLineMovesDownOneLineOfTheCurrentFont();
    void printWithNewLineEndsTheLine();
    void clearErasesAndReturnsToTheOrigin();
    void fractionalSizesAreKeptAndScaleTheText_data();
    void fractionalSizesAreKeptAndScaleTheText();
    void settingTheNameKeepsTheSize();
    void chineseCharactersAreOneEmWide();
    void drawingIsKeptAndRedrawnAtEachResolution();
    void textIsDrawnInItsOwnColour();
    void changesReportTheAreaToRepaint();
};

void TextSurfaceTest::printAdvancesByTheTextWidth_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<double>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("Ming, one character") << u"宋体"_s << 14.25 << u"应"_s;
    QTest::newRow("Ming, a sentence") << u"新宋体"_s << 18.0 << u"例题 1：小明有45本书"_s;
    QTest::newRow("Kai, digits") << u"华文新魏"_s << 36.0 << u"1234567890"_s;
    QTest::newRow("Hei, mixed") << u"黑体"_s << 10.5 << u"x+a=b"_s;
    QTest::newRow("unknown face") << u"No Such Face"_s << 12.0 << u"题目"_s;
}

void TextSurfaceTest::printAdvancesByTheTextWidth()
{
    QFETCH(QString, font);
    QFETCH(double, size);
    QFETCH(QString, text);
    TextSurface surface;
    surface.setFontName(font);
    surface.setFontSize(size);
    surface.setCurrentX(2000);
    surface.setCurrentY(300);
    const double width = surface.textWidth(text);
    QVERIFY(width > 0);
    surface.print(text);
    QCOMPARE(surface.currentX(), 2000 + width);
    QCOMPARE(surface.currentY(), 300.0);
    QCOMPARE(surface.runs().size(), size_t(1));
    QCOMPARE(surface.runs().front().at, QPointF(2000, 300));
}

void TextSurfaceTest::lineBreaksHaveNoWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("CR") << u"\r"_s;
    QTest::newRow("LF") << u"\n"_s;
    QTest::newRow("CR LF") << u"\r\n"_s;
}

void TextSurfaceTest::lineBreaksHaveNoWidth()
{
    QFETCH(QString, text);
    TextSurface surface;
    surface.setFontSize(12);
    QCOMPARE(surface.textWidth(text), 0.0);
    surface.setCurrentX(500);
    surface.print(text);
    QCOMPARE(surface.currentX(), 500.0);
    QVERIFY(surface.runs().empty());
}

void TextSurfaceTest::newLineMovesDownOneLineOfTheCurrentFont()
{
    TextSurface surface;
    surface.setFontSize(18);
    const double line = surface.lineHeight();
    // A line is at least as tall as the font's em (18 pt = 360 twips), and not absurdly more.
    QVERIFY2(line >= 360 && line <= 360 * 1.6, qPrintable(QString::number(line)));
    surface.print(u"题"_s);
    surface.newLine();
    QCOMPARE(surface.currentX(), 0.0);
    QCOMPARE(surface.currentY(), line);
    surface.setFontSize(36);
    surface.newLine();
    QCOMPARE(surface.currentY(), line + surface.lineHeight());
}

void TextSurfaceTest::printWithNewLineEndsTheLine()
{
    TextSurface surface;
    surface.setCurrentX(3000);
    surface.setCurrentY(2000);
    surface.print(u"例题讲解结束"_s, true);
    QCOMPARE(surface.currentX(), 0.0);
    QCOMPARE(surface.currentY(), 2000 + surface.lineHeight());
}

void TextSurfaceTest::clearErasesAndReturnsToTheOrigin()
{
    TextSurface surface;
    surface.print(u"第一行"_s, true);
    surface.print(u"第二行"_s);
    QCOMPARE(surface.runs().size(), size_t(2));
    surface.clear();
    QVERIFY(surface.runs().empty());
    QCOMPARE(surface.currentX(), 0.0);
    QCOMPARE(surface.currentY(), 0.0);
    QCOMPARE(redArea(rendered(surface, QSize(200, 100), 96)), QRect());
}

void TextSurfaceTest::fractionalSizesAreKeptAndScaleTheText_data()
{
    QTest::addColumn<double>("size");
    QTest::newRow("9.6") << 9.6;
    QTest::newRow("10.5") << 10.5;
    QTest::newRow("15.75") << 15.75;
    QTest::newRow("16.8") << 16.8;
    QTest::newRow("26.25") << 26.25;
}

void TextSurfaceTest::fractionalSizesAreKeptAndScaleTheText()
{
    QFETCH(double, size);
    TextSurface surface;
    surface.setFontSize(12);
    const double widthAt12 = surface.textWidth(u"应用题测试"_s);
    surface.setFontSize(size);
    QCOMPARE(surface.fontSize(), size);
    const double expected = widthAt12 * size / 12;
    QVERIFY2(qAbs(surface.textWidth(u"应用题测试"_s) - expected) < expected * 0.02,
             qPrintable(QString::number(surface.textWidth(u"应用题测试"_s))));
}

void TextSurfaceTest::settingTheNameKeepsTheSize()
{
    TextSurface surface;
    surface.setFontSize(16.8);
    surface.setFontName(u"楷体_GB2312"_s);
    QCOMPARE(surface.fontSize(), 16.8);
    QCOMPARE(surface.fontName(), u"楷体_GB2312"_s);
}

void TextSurfaceTest::chineseCharactersAreOneEmWide()
{
    TextSurface surface;
    for (const QString &font : {u"宋体"_s, u"华文新魏"_s, u"黑体"_s}) {
        surface.setFontName(font);
        surface.setFontSize(15);
        // 15 pt is 300 twips; a full-width character is one em wide.
        QVERIFY2(qAbs(surface.textWidth(u"数量关系"_s) - 1200) < 30, qPrintable(font));
    }
}

void TextSurfaceTest::drawingIsKeptAndRedrawnAtEachResolution()
{
    TextSurface surface;
    surface.setFontSize(15);
    surface.setTextColor(colorFromBgr(Bgr::Red));
    surface.setCurrentX(1500);
    surface.setCurrentY(1500);
    surface.print(u"已知数量"_s);

    const QRect at96 = redArea(rendered(surface, QSize(300, 200), 96));
    QVERIFY(!at96.isEmpty());
    // 1500 twips is 100 pixels at 96 dpi; four characters of 20 pixels follow.
    QVERIFY2(at96.left() >= 99 && at96.left() <= 104, qPrintable(QString::number(at96.left())));
    QVERIFY(at96.top() >= 100 && at96.bottom() <= 130);
    QVERIFY(at96.right() <= 100 + 80 + 2);

    const QRect at192 = redArea(rendered(surface, QSize(600, 400), 192));
    QVERIFY(qAbs(at192.left() - 2 * at96.left()) <= 3);
    QVERIFY(qAbs(at192.width() - 2 * at96.width()) <= 6);

    QCOMPARE(rendered(surface, QSize(300, 200), 96), rendered(surface, QSize(300, 200), 96));
}

void TextSurfaceTest::textIsDrawnInItsOwnColour()
{
    TextSurface surface;
    surface.setFontSize(20);
    surface.setTextColor(Qt::blue);
    surface.print(u"蓝"_s);
    surface.setTextColor(colorFromBgr(Bgr::Red));
    surface.print(u"红"_s);
    const QRect red = redArea(rendered(surface, QSize(200, 60), 96));
    // Only the second character is red, and it starts where the first one ends.
    QVERIFY(red.left() >= TwipScale(96).toPixels(surface.runs().at(1).at.x()) - 1);
}

void TextSurfaceTest::changesReportTheAreaToRepaint()
{
    TextSurface surface;
    QSignalSpy spy(&surface, &TextSurface::changed);
    surface.setCurrentX(100);
    surface.print(u"桥"_s);
    QCOMPARE(spy.count(), 1);
    const QRectF area = spy.takeFirst().at(0).toRectF();
    QCOMPARE(area.topLeft(), QPointF(100, 0));
    QCOMPARE(area.width(), surface.textWidth(u"桥"_s));
    surface.clear();
    QCOMPARE(spy.count(), 1);
    QVERIFY(spy.takeFirst().at(0).toRectF().isEmpty());
}

QTEST_MAIN(TextSurfaceTest)
#include "textsurface_test.moc"
