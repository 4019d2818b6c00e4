// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperdocument.h"
#include "paperlayout.h"
#include "paperprinter.h"
#include "smalldisk.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

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

/// The printing path of the system printer, into PDF files: one file per document.
class PdfOutputPrinter final : public DevicePaperPrinter {
public:
    explicit PdfOutputPrinter(QString folder) : m_folder(std::move(folder)) {}
    void findPrinter(PrinterAnswer answer) override
    {
        answer(PrinterFound{true, PrinterChoice{u"PDF"_s, true, true}});
    }
    QStringList files;

protected:
    std::unique_ptr<QPrinter> makePrinter() override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        files.append(m_folder + u"/document"_s + QString::number(files.size() + 1) + u".pdf"_s);
        printer->setOutputFileName(files.back());
        return printer;
    }

private:
    QString m_folder;
};

/// A word of a PDF page as poppler places it, in points from the sheet's top-left corner.
struct PlacedWord {
    int page = 0;
    QString text;
    double x = 0;
    double y = 0;
};

/// The words of a PDF file, or nothing when pdftotext (poppler-utils) cannot read it.
QList<PlacedWord> wordsOf(const QString &pdf)
{
    QProcess reader;
    reader.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(reader.readAllStandardOutput());
    static const QRegularExpression word(
        uR"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"_s);
    QList<PlacedWord> words;
    int page = 0;
    for (const QRegularExpressionMatch &match : word.globalMatch(html)) {
        if (match.captured(0).startsWith(u"<page"_s)) {
            ++page;
            continue;
        }
        words.append(PlacedWord{page, match.captured(3), match.captured(1).toDouble(),
                                match.captured(2).toDouble()});
    }
    return words;
}

QString joined(const QList<PlacedWord> &words, int page = 0)
{
    QString text;
    for (const PlacedWord &word : words) {
        if (page == 0 || word.page == page)
            text += word.text;
    }
    return text;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString paperOf(int problems)
{
    QString paper;
    for (int i = 1; i <= problems; ++i) {
        paper += u" "_s + QString::number(i) +
                 u"、一台打印机4分钟打印了96页，照这样的速度，打印360页需要多少分钟？\r\n\r\n"_s;
    }
    return paper;
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
    void aFailedPdfWriteKeepsTheEarlierExport_data();
    void aFailedPdfWriteKeepsTheEarlierExport();
    void aFullFilesystemKeepsTheEarlierExport();
    void endingWithoutADocumentFails();
    void theDefaultPrinterOrElseTheFirst_data();
    void theDefaultPrinterOrElseTheFirst();
    void thePrinterGetsThePageAtTheTopLeftOfItsPrintableArea();
    void aLongPaperPrintsAsOneDocumentOfSeveralPages();
    void aLongPaperExportsOnSeveralPages();
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
    QVERIFY(WritePaperPdf(document, path).ok());
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
    const PdfOutcome outcome = WritePaperPdf(document, folder.filePath(u"missing/paper.pdf"_s));
    QCOMPARE(outcome.error, u"文件夹不存在"_s);
}

void PaperPrinterTest::aFailedPdfWriteKeepsTheEarlierExport_data()
{
    QTest::addColumn<int>("room"); // bytes that still fit; -1: every write seems to succeed
    QTest::addColumn<int>("cause");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full before the first byte") << 0 << ENOSPC << u"磁盘已满"_s;
    QTest::newRow("full after 4 KiB") << 4096 << ENOSPC << u"磁盘已满"_s;
    QTest::newRow("quota used up") << 4096 << EDQUOT << u"磁盘已满"_s;
    QTest::newRow("a failing disk") << 100 << EIO << u"磁盘读写出错"_s;
    QTest::newRow("bytes lost on the way") << -1 << 0 << u"磁盘读写出错"_s;
}

void PaperPrinterTest::aFailedPdfWriteKeepsTheEarlierExport()
{
    QFETCH(int, room);
    QFETCH(int, cause);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    PaperDocument document;
    drawSample(document, false);
    const QString path = folder.filePath(u"试卷.pdf"_s);
    QVERIFY(WritePaperPdf(document, path).ok());
    const QByteArray earlier = contentsOf(path);

    DrawPaperPage(document, paperOf(40), PageSettings(), 100, false);
    std::unique_ptr<QSaveFile> failing;
    if (room < 0)
        failing = std::make_unique<ForgetfulFile>(path, 4096);
    else
        failing = std::make_unique<FullDiskFile>(path, room, cause);
    QCOMPARE(WritePaperPdf(document, *failing).error, reason);
    QCOMPARE(contentsOf(path), earlier);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"试卷.pdf"_s});
}

void PaperPrinterTest::aFullFilesystemKeepsTheEarlierExport()
{
    QTemporaryDir folder;
    const QString mountPoint = folder.filePath(u"small-disk"_s);
    QVERIFY(QDir().mkpath(mountPoint));
    const int result = InSmallFilesystem(mountPoint, [&mountPoint] {
        PaperDocument document;
        drawSample(document, false);
        const QString path = mountPoint + u"/试卷.pdf"_s;
        if (!WritePaperPdf(document, path).ok())
            return 10;
        const QByteArray earlier = contentsOf(path);
        if (!FillDisk(mountPoint + u"/filler"_s))
            return 11;
        DrawPaperPage(document, paperOf(40), PageSettings(), 100, false);
        if (WritePaperPdf(document, path).error != u"磁盘已满"_s)
            return 12;
        if (contentsOf(path) != earlier)
            return 13;
        return QDir(mountPoint).entryList(QDir::Files | QDir::Hidden).size() == 2 ? 0 : 14;
    });
    if (result == NoSmallFilesystem)
        QSKIP("no user namespace for a small filesystem of the test's own");
    // 10: no room for the first export, 12: the wrong reason, 13: the earlier export changed,
    // 14: a file left behind.
    QCOMPARE(result, 0);
}

void PaperPrinterTest::endingWithoutADocumentFails()
{
    SystemPaperPrinter printer;
    QVERIFY(!printer.endDocument());
}

void PaperPrinterTest::theDefaultPrinterOrElseTheFirst_data()
{
    QTest::addColumn<QString>("defaultName");
    QTest::addColumn<QStringList>("available");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<bool>("isDefault");
    QTest::newRow("default set") << u"B"_s << QStringList{u"A"_s, u"B"_s} << u"B"_s << true << true;
    QTest::newRow("no default") << QString() << QStringList{u"A"_s, u"B"_s} << u"A"_s << true
                                << false;
    QTest::newRow("default gone") << u"C"_s << QStringList{u"A"_s} << u"A"_s << true << false;
    QTest::newRow("no printer") << QString() << QStringList() << QString() << false << false;
}

void PaperPrinterTest::theDefaultPrinterOrElseTheFirst()
{
    QFETCH(QString, defaultName);
    QFETCH(QStringList, available);
    QFETCH(QString, name);
    QFETCH(bool, found);
    QFETCH(bool, isDefault);
    QCOMPARE(ChoosePrinter(defaultName, available), (PrinterChoice{name, found, isDefault}));
}

void PaperPrinterTest::thePrinterGetsThePageAtTheTopLeftOfItsPrintableArea()
{
    // A PDF printer can print the whole sheet, so the page's top-left is the sheet's.
    QTemporaryDir folder;
    PaperDocument document;
    drawSample(document, false);
    PdfOutputPrinter printer(folder.path());
    QVERIFY(printer.printPage(document.page(0)));
    QVERIFY(printer.endDocument());
    const QList<PlacedWord> printed = wordsOf(printer.files.front());
    QVERIFY2(!printed.isEmpty(), "pdftotext (poppler-utils) could not read the printed file");

    // The same page written from the sheet's corner, for the height of the line box.
    const QString reference = folder.filePath(u"reference.pdf"_s);
    QVERIFY(WritePaperPdf(document, reference).ok());
    const QList<PlacedWord> written = wordsOf(reference);
    QCOMPARE(printed.size(), written.size());
    // The title's line box starts at (3100, 802) twips: 155 pt from the left.
    QCOMPARE(printed.front().text, PaperTitle());
    QVERIFY2(std::abs(printed.front().x - 155) <= 0.5, qPrintable(QString::number(printed[0].x)));
    for (qsizetype i = 0; i < printed.size(); ++i) {
        QVERIFY(std::abs(printed[i].x - written[i].x) <= 0.5);
        QVERIFY2(std::abs(printed[i].y - written[i].y) <= 0.5,
                 qPrintable(QString::number(printed[i].y - written[i].y)));
    }
}

void PaperPrinterTest::aLongPaperPrintsAsOneDocumentOfSeveralPages()
{
    QTemporaryDir folder;
    PaperDocument document;
    DrawPaperPage(document, paperOf(40), PageSettings(), 100, false);
    QVERIFY(document.pageCount() >= 3);
    PdfOutputPrinter printer(folder.path());
    for (int i = 0; i < document.pageCount(); ++i)
        QVERIFY(printer.printPage(document.page(i)));
    QVERIFY(printer.endDocument());
    QCOMPARE(printer.files.size(), 1);
    const QList<PlacedWord> words = wordsOf(printer.files.front());
    QCOMPARE(words.back().page, document.pageCount());
    const QString text = joined(words);
    for (int number = 1; number <= 40; ++number) {
        const QRegularExpression numbered(u"(?<!\\d)"_s + QString::number(number) + u"、"_s);
        QCOMPARE(int(text.count(numbered)), 1);
    }
    QVERIFY(joined(words, 1).startsWith(PaperTitle()));
    QVERIFY(!joined(words, 2).contains(PaperTitle()));
}

void PaperPrinterTest::aLongPaperExportsOnSeveralPages()
{
    QTemporaryDir folder;
    PaperDocument document;
    DrawPaperPage(document, paperOf(40), PageSettings(), 80, false);
    const QString path = folder.filePath(u"long.pdf"_s);
    QVERIFY(WritePaperPdf(document, path).ok());
    const QList<PlacedWord> words = wordsOf(path);
    QCOMPARE(words.back().page, document.pageCount());
    const QString text = joined(words);
    for (int number = 1; number <= 40; ++number) {
        const QRegularExpression numbered(u"(?<!\\d)"_s + QString::number(number) + u"、"_s);
        QCOMPARE(int(text.count(numbered)), 1);
    }
}

QTEST_MAIN(PaperPrinterTest)
#include "paperprinter_test.moc"
