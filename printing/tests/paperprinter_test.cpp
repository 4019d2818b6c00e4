// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperdocument.h"
#include "paperlayout.h"
#include "paperprinter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QImage sheetAt(double dpi, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

/// The smallest rectangle holding every pixel that passes the test.
template <typename Test> QRect areaOf(const QImage &image, Test test)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixelColor(x, y)))
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

bool isRed(const QColor &c)
{
    return c.red() > 200 && c.green() < 120 && c.blue() < 120;
}

bool isBlack(const QColor &c)
{
    return c.red() < 60 && c.green() < 60 && c.blue() < 60;
}

void drawSample(PaperDocument &document, bool guides)
{
    document.setTextColor(QColor(255, 0, 0));
    DrawPaperPage(document, u" 1、小明有5本书，又买来3本，现在有几本？\r\n\r\n"_s, PageSettings(),
                  100, guides);
}

} // namespace

class PaperPrinterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void thePageIsDrawnAtItsPhysicalSize();
    void hiddenGuidesAreNotDrawn();
    void thePdfHoldsOneA4PageWithRealText();
    void aPdfThatCannotBeWrittenIsReported();
    void endingWithoutADocumentFails();
};

void PaperPrinterTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void PaperPrinterTest::thePageIsDrawnAtItsPhysicalSize()
{
    // At 144 dpi ten twips make one pixel.
    PaperDocument document;
    PaperPage &page = document.page(0);
    drawSample(document, true);
    QImage sheet = sheetAt(144, QSize(860, 1170));
    {
        QPainter painter(&sheet);
        RenderPaperPage(painter, page);
    }
    // The title's line box starts at (3100, 802) twips; the body starts lower, at x = 788.
    const QRect red = areaOf(sheet.copy(0, 0, 860, 120), isRed);
    QVERIFY2(std::abs(red.left() - 310) <= 3, qPrintable(QString::number(red.left())));
    QVERIFY2(red.top() >= 80 && red.top() <= 90, qPrintable(QString::number(red.top())));
    const QRect body = areaOf(sheet.copy(0, 120, 860, 1050), isRed);
    QVERIFY2(body.left() >= 79 && body.left() <= 95, qPrintable(QString::number(body.left())));
    // Left guide at x = 688 twips, bottom guide at y = 10764 twips.
    QVERIFY(isBlack(sheet.pixelColor(69, 600)));
    QVERIFY(isBlack(sheet.pixelColor(400, 1077)));
    QVERIFY(!isBlack(sheet.pixelColor(400, 1090)));
}

void PaperPrinterTest::hiddenGuidesAreNotDrawn()
{
    PaperDocument document;
    PaperPage &page = document.page(0);
    drawSample(document, false);
    QImage sheet = sheetAt(144, QSize(860, 1170));
    {
        QPainter painter(&sheet);
        RenderPaperPage(painter, page);
    }
    QVERIFY(areaOf(sheet, isBlack).isEmpty());
    QVERIFY(!areaOf(sheet, isRed).isEmpty());
}

void PaperPrinterTest::thePdfHoldsOneA4PageWithRealText()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    PaperDocument document;
    drawSample(document, false);
    const QString path = folder.filePath(u"paper.pdf"_s);
    QVERIFY(WritePaperPdf(document, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
             1);
    // A4 is 595 × 842 points.
    const QRegularExpression mediaBox(u"/MediaBox \\[0 0 595\\.?\\d* 841\\.?\\d*|"
                                      u"/MediaBox \\[0 0 595\\.?\\d* 842"_s);
    QVERIFY2(mediaBox.match(QString::fromLatin1(pdf)).hasMatch(), "not an A4 page");
    // The text is set in an embedded font, not painted as a picture.
    QVERIFY(pdf.contains("/Font"));
    QVERIFY(pdf.contains("/FontFile"));
    QVERIFY(!pdf.contains("/Subtype /Image"));
}

void PaperPrinterTest::aPdfThatCannotBeWrittenIsReported()
{
    QTemporaryDir folder;
    PaperDocument document;
    drawSample(document, false);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!WritePaperPdf(document, folder.filePath(u"missing/paper.pdf"_s)));
}

void PaperPrinterTest::endingWithoutADocumentFails()
{
    SystemPaperPrinter printer;
    QVERIFY(!printer.endDocument());
}

QTEST_MAIN(PaperPrinterTest)
#include "paperprinter_test.moc"
