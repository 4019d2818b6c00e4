// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperdocument.h"
#include "paperlayout.h"
#include "paperpreview.h"
#include "paperprinter.h"
#include "printingmessages.h"
#include "printserverstandins.h"
#include "recordingprinter.h"
#include "recordingservices.h"
#include "smalldisk.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString paperOf(const QStringList &problems)
{
    QString paper;
    for (qsizetype i = 0; i < problems.size(); ++i)
        paper += u" "_s + QString::number(i + 1) + u"、"_s + problems[i] + u"\r\n\r\n"_s;
    return paper;
}

/// A preview over a paper and settings the test changes as it goes.
struct Bench {
    PaperDocument pages;
    PaperPage &page = pages.page(0);
    QString paper = paperOf(
        {u"小明有5本书，又买来3本，现在有几本？"_s, u"一桶油重20千克，用去一半后还剩多少千克？"_s});
    PrintSettings settings;
    RecordingMessages messages;
    RecordingPrinter printer;
    std::optional<QList<ProblemRecord>> composed;
    bool handedIn = true;
    PaperPreview preview{
        pages,   [this] { return paper; },        [this] { return settings; }, messages,
        printer, [this] { return paperForKey(); }};

    std::optional<PaperForKey> paperForKey() const
    {
        if (!composed)
            return std::nullopt;
        return PaperForKey{*composed, handedIn};
    }
};

ProblemRecord recordOf(const QString &problem, const QString &solution, const QString &answer)
{
    return ProblemRecord{problem.leftJustified(ProblemTextBytes),
                         QString(solution + u"&"_s).leftJustified(SolutionTextBytes),
                         answer.leftJustified(AnswerTextBytes)};
}

QList<ProblemRecord> tenProblems()
{
    QList<ProblemRecord> problems;
    for (int i = 1; i <= 10; ++i) {
        problems.append(recordOf(u"第"_s + QString::number(i) + u"题？"_s,
                                 u"列式：解法"_s + QString::number(i), QString::number(i * 3)));
    }
    return problems;
}

QString textOf(const QList<PrintedSheet> &document)
{
    QString text;
    for (const PrintedSheet &sheet : document)
        text += sheet.text();
    return text;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

bool allGuidesShown(const PaperPage &page, bool shown)
{
    for (Guide guide : {Guide::Top, Guide::Left, Guide::Right, Guide::Bottom}) {
        if (page.guide(guide).shown != shown)
            return false;
    }
    return true;
}

} // namespace

class PaperPreviewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void loadingDrawsThePageAt100PercentWithItsGuides();
    void aScaleChangeTakesEffectOnlyAtTheNextPrint();
    void onlyTheOfferedScalesCanBeChosen();
    void eachCopyIsADocumentOfOneSheetWithTheSameContent();
    void copiesOfZeroOrLessPrintNothing_data();
    void copiesOfZeroOrLessPrintNothing();
    void copiesThatAreNotANumberPrintOneAndSaySo();
    void manyCopiesAreClamped();
    void withoutAPrinterTheUserIsTold();
    void aPrinterThatRefusesIsReportedOnce();
    void copiesThePrinterDoesNotTakeAreCounted_data();
    void copiesThePrinterDoesNotTakeAreCounted();
    void theCountOfCopiesTakenIsSaid();
    void aPrintServiceThatGivesNoAnswerIsNamed();
    void aHangingPrintServiceHoldsNothingAndIsGivenUp();
    void pagesRedrawnWhileThePrinterIsSoughtPrintAsDrawnForPrinting();
    void aPreviewGoneBeforeThePrinterIsFoundIsNotCalledBack();
    void settingsThatAreNotNumbersUseTheirDefaultsAndAreNamedOnce();
    void everyPrintRedrawsFromTheCurrentPaperAndSettings();
    void printing120PercentScalesPageAndFontsButNotMargins();
    void refreshingRedrawsWithGuidesAtTheChosenScale();
    void exportingWritesThePageAsPrinted();
    void anUnwritablePdfIsReported();
    void aFullDiskIsReportedAndTheEarlierExportsStay();
    void eachCopyOfALongPaperIsOneDocumentOfAllItsPages();
    void withoutADefaultPrinterTheFirstPrintsAndTheUserIsTold();
    void textThatFindsNoPlaceIsReported();
    void withoutAComposedPaperThereIsNoKey();
    void theKeyOpensOnlyAfterTheHandIn();
    void theKeyIsOfTheComposedPaperNotOfTheBox();
    void theKeyPrintsOnceAsOneDocument();
    void theKeyExportsAsPdf();
};

void PaperPreviewTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void PaperPreviewTest::loadingDrawsThePageAt100PercentWithItsGuides()
{
    Bench bench;
    bench.preview.chooseScale(130);
    bench.preview.load();
    QCOMPARE(bench.preview.pageScale(), 100);
    QCOMPARE(bench.page.size(), QSizeF(8600, 11700));
    QVERIFY(allGuidesShown(bench.page, true));
    QCOMPARE(bench.page.text().runs().front().text, PaperTitle());
    QVERIFY(bench.messages.shown.isEmpty());
    QVERIFY(bench.printer.documents.isEmpty());
}

void PaperPreviewTest::aScaleChangeTakesEffectOnlyAtTheNextPrint()
{
    Bench bench;
    bench.preview.load();
    const auto shownRuns = bench.page.text().runs();
    QVERIFY(bench.preview.chooseScale(140));
    QCOMPARE(bench.preview.pageScale(), 140);
    QCOMPARE(bench.page.size(), QSizeF(8600, 11700));
    QCOMPARE(bench.page.text().runs().size(), shownRuns.size());
    QVERIFY(allGuidesShown(bench.page, true));

    bench.preview.print();
    QCOMPARE(bench.printer.documents.size(), 1);
    const PrintedSheet &sheet = bench.printer.documents.front().front();
    QCOMPARE(sheet.size, QSizeF(12040, 16380));
    QVERIFY(sheet.shownGuides.isEmpty());
    QVERIFY(near(sheet.runs.front().fontSize, 16.8));
    QVERIFY(near(sheet.runs.front().at.x(), 4340));
    QVERIFY(near(sheet.runs.front().at.y(), 1082.8));
    // The preview keeps the printed drawing, and the scale stays.
    QCOMPARE(bench.page.size(), QSizeF(12040, 16380));
    QVERIFY(allGuidesShown(bench.page, false));
    QCOMPARE(bench.preview.pageScale(), 140);
}

void PaperPreviewTest::onlyTheOfferedScalesCanBeChosen()
{
    Bench bench;
    bench.preview.load();
    for (int percent : {0, -100, 90, 150, 100000})
        QVERIFY(!bench.preview.chooseScale(percent));
    QCOMPARE(bench.preview.pageScale(), 100);
    for (int percent : PageScales) {
        QVERIFY(bench.preview.chooseScale(percent));
        QCOMPARE(bench.preview.pageScale(), percent);
    }
}

void PaperPreviewTest::eachCopyIsADocumentOfOneSheetWithTheSameContent()
{
    Bench bench;
    bench.settings.copies = u"3"_s;
    bench.preview.load();
    bench.preview.print();
    QCOMPARE(bench.printer.documents.size(), 3);
    QVERIFY(bench.printer.openDocument.isEmpty());
    for (const QList<PrintedSheet> &document : bench.printer.documents) {
        QCOMPARE(document.size(), 1);
        QVERIFY(document.front().sameContent(bench.printer.documents.front().front()));
    }
    const PrintedSheet &sheet = bench.printer.documents.front().front();
    QVERIFY(sheet.text().startsWith(PaperTitle() + u" 1、小明有5本书"_s));
    QVERIFY(sheet.text().contains(u" 2、一桶油重20千克"_s));
    QVERIFY(bench.messages.shown.isEmpty());
}

void PaperPreviewTest::copiesOfZeroOrLessPrintNothing_data()
{
    QTest::addColumn<QString>("copies");
    QTest::newRow("zero") << u"0"_s;
    QTest::newRow("rounds to zero") << u"0.4"_s;
    QTest::newRow("negative") << u"-2"_s;
}

void PaperPreviewTest::copiesOfZeroOrLessPrintNothing()
{
    QFETCH(QString, copies);
    for (bool available : {true, false}) {
        Bench bench;
        bench.printer.available = available;
        bench.settings.copies = copies;
        bench.preview.load();
        bench.preview.print();
        QCOMPARE(bench.printer.sheetsAsked, 0);
        QVERIFY(bench.printer.documents.isEmpty());
        QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::nothingPrinted()});
        QVERIFY(allGuidesShown(bench.page, false)); // redrawn all the same
    }
}

void PaperPreviewTest::copiesThatAreNotANumberPrintOneAndSaySo()
{
    Bench bench;
    bench.settings.copies = u"两份"_s;
    bench.preview.load();
    bench.preview.print();
    QCOMPARE(bench.printer.documents.size(), 1);
    QCOMPARE(bench.messages.shown.size(), 1);
    QCOMPARE(bench.messages.shown.front(),
             PrintingMessages::unusableSettings({{u"打印份数"_s, u"1"_s}}));
}

void PaperPreviewTest::manyCopiesAreClamped()
{
    Bench bench;
    bench.settings.copies = u"32768"_s;
    bench.preview.load();
    bench.messages.onShow = [&](const Message &) {
        // Said before the first sheet goes out.
        QCOMPARE(bench.printer.sheetsAsked, 0);
    };
    bench.preview.print();
    QCOMPARE(bench.printer.documents.size(), MaxCopies);
    QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::copiesCapped()});
    QVERIFY(PrintingMessages::copiesCapped().text.contains(u"99"_s));
}

void PaperPreviewTest::withoutAPrinterTheUserIsTold()
{
    Bench bench;
    bench.printer.available = false;
    bench.settings.copies = u"2"_s;
    bench.preview.load();
    bench.preview.print();
    QCOMPARE(bench.printer.sheetsAsked, 0);
    QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::noPrinter()});
    QVERIFY(PrintingMessages::noPrinter().text.contains(u"导出PDF"_s));
}

void PaperPreviewTest::aPrinterThatRefusesIsReportedOnce()
{
    Bench bench;
    bench.printer.refuseSheet = 2;
    bench.settings.copies = u"4"_s;
    bench.preview.load();
    bench.preview.print();
    QCOMPARE(bench.printer.documents.size(), 1);
    QCOMPARE(bench.printer.sheetsAsked, 2);
    QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::printFailed(1, 4)});
}

void PaperPreviewTest::copiesThePrinterDoesNotTakeAreCounted_data()
{
    QTest::addColumn<bool>("accepting");
    QTest::addColumn<int>("takes");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("sheetsSent");
    QTest::addColumn<int>("taken");
    QTest::newRow("queue turning jobs away") << false << -1 << 3 << 0 << 0;
    QTest::newRow("every job turned away") << true << 0 << 3 << 1 << 0;
    QTest::newRow("one of three taken") << true << 1 << 3 << 2 << 1;
    QTest::newRow("the only copy turned away") << true << 0 << 1 << 1 << 0;
}

void PaperPreviewTest::copiesThePrinterDoesNotTakeAreCounted()
{
    QFETCH(bool, accepting);
    QFETCH(int, takes);
    QFETCH(int, copies);
    QFETCH(int, sheetsSent);
    QFETCH(int, taken);
    Bench bench;
    bench.printer.acceptingJobs = accepting;
    bench.printer.documentsTaken = takes;
    bench.settings.copies = QString::number(copies);
    bench.preview.load();
    bench.preview.print();
    QCOMPARE(bench.printer.sheetsAsked, sheetsSent);
    QCOMPARE(bench.printer.documents.size(), taken);
    QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::printFailed(taken, copies)});
}

void PaperPreviewTest::theCountOfCopiesTakenIsSaid()
{
    QCOMPARE(
        PrintingMessages::printFailed(1, 3).text,
        u"打印机没有接收这份试卷。\r\n要打印 3 份，只接收了 1 份。\r\n请检查打印机，再试一次。"_s);
    QCOMPARE(
        PrintingMessages::printFailed(0, 2).text,
        u"打印机没有接收这份试卷。\r\n要打印 2 份，一份也没有接收。\r\n请检查打印机，再试一次。"_s);
}

void PaperPreviewTest::aPrintServiceThatGivesNoAnswerIsNamed()
{
    Bench bench;
    bench.printer.answers = false;
    bench.preview.load();
    bench.preview.print();
    QCOMPARE(bench.printer.sheetsAsked, 0);
    QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::printServiceSilent()});
    QVERIFY(PrintingMessages::printServiceSilent().text.startsWith(u"打印服务没有响应"_s));
    bench.messages.shown.clear();
    QVERIFY(!bench.preview.printAnswerKey());
    bench.composed = tenProblems();
    QVERIFY(bench.preview.printAnswerKey());
    QCOMPARE(bench.messages.shown.back(), PrintingMessages::printServiceSilent());
}

void PaperPreviewTest::aHangingPrintServiceHoldsNothingAndIsGivenUp()
{
    Bench bench;
    ThreadsOfTheTest threads;
    auto server = std::make_shared<GatedPrintServer>();
    SystemPaperPrinter printer(server, threads.runner());
    PaperPreview preview(
        bench.pages, [&] { return bench.paper; }, [&] { return bench.settings; }, bench.messages,
        printer);
    preview.load();
    // The window goes on while the lookup waits for the server.
    preview.print();
    QVERIFY(preview.isWaitingForPrinter());
    QVERIFY(bench.messages.shown.isEmpty());
    QVERIFY(printer.lookup().isRunning());
    // A second "打印" meanwhile adds no second print.
    preview.print();
    QCOMPARE(threads.count(), 1);

    printer.lookup().timeLimitReached();
    QVERIFY(!preview.isWaitingForPrinter());
    QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::printServiceSilent()});

    // The server's late answer prints nothing and says nothing.
    server->queuesToGive = {PrintQueue{u"教室打印机"_s, true, true}};
    server->open();
    threads.join();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(bench.messages.shown.size(), 1);
}

void PaperPreviewTest::pagesRedrawnWhileThePrinterIsSoughtPrintAsDrawnForPrinting()
{
    Bench bench;
    bench.printer.answersLater = true;
    bench.preview.load();
    bench.preview.print();
    QVERIFY(bench.preview.isWaitingForPrinter());
    // The preview opened again meanwhile draws the pages with their guides.
    bench.preview.refresh();
    QVERIFY(allGuidesShown(bench.page, true));
    QVERIFY(bench.printer.giveAnswer());
    QCOMPARE(bench.printer.documents.size(), 1);
    QVERIFY(bench.printer.documents.front().front().shownGuides.isEmpty());
    QVERIFY(allGuidesShown(bench.page, false));
}

void PaperPreviewTest::aPreviewGoneBeforeThePrinterIsFoundIsNotCalledBack()
{
    RecordingMessages messages;
    RecordingPrinter printer;
    printer.answersLater = true;
    {
        PaperDocument pages;
        PaperPreview preview(
            pages, [] { return QString(); }, [] { return PrintSettings(); }, messages, printer);
        preview.print();
    }
    QVERIFY(!printer.giveAnswer());
}

void PaperPreviewTest::settingsThatAreNotNumbersUseTheirDefaultsAndAreNamedOnce()
{
    Bench bench;
    bench.settings.fontSize = u"大号"_s;
    bench.settings.topMargin = QString();
    bench.preview.load();
    QCOMPARE(bench.messages.shown.size(), 1);
    QCOMPARE(bench.messages.shown.front(),
             PrintingMessages::unusableSettings({{u"字号"_s, u"10"_s}, {u"上边距"_s, u"1"_s}}));
    const TextSurface::Run &title = bench.page.text().runs().front();
    QVERIFY(near(title.at.x(), 3100));
    QVERIFY(near(title.at.y(), 802));
    QVERIFY(near(title.fontSize, 12));

    // Printing names them again, with a copies text that is no number, in one message.
    bench.settings.copies = u"x"_s;
    bench.preview.print();
    QCOMPARE(bench.messages.shown.size(), 2);
    QCOMPARE(bench.messages.shown.back(),
             PrintingMessages::unusableSettings(
                 {{u"字号"_s, u"10"_s}, {u"上边距"_s, u"1"_s}, {u"打印份数"_s, u"1"_s}}));
    QCOMPARE(bench.printer.documents.size(), 1);
}

void PaperPreviewTest::everyPrintRedrawsFromTheCurrentPaperAndSettings()
{
    Bench bench;
    bench.preview.load();
    bench.paper = paperOf({u"甲乙两地相距多少千米？"_s});
    bench.settings.fontName = u"黑体"_s;
    bench.preview.print();
    const PrintedSheet &sheet = bench.printer.documents.back().front();
    QCOMPARE(sheet.text(), PaperTitle() + u" 1、甲乙两地相距多少千米？"_s);
    for (const TextSurface::Run &run : sheet.runs)
        QCOMPARE(run.fontName, u"黑体"_s);

    bench.paper.clear();
    bench.preview.print();
    QCOMPARE(bench.printer.documents.back().front().text(), PaperTitle());
}

void PaperPreviewTest::printing120PercentScalesPageAndFontsButNotMargins()
{
    Bench bench;
    bench.settings.leftMargin = u"2"_s;
    bench.preview.load();
    bench.preview.chooseScale(120);
    bench.preview.print();
    const PrintedSheet &sheet = bench.printer.documents.front().front();
    QCOMPARE(sheet.size, QSizeF(10320, 14040));
    QVERIFY(near(sheet.runs.front().fontSize, 14.4));
    QVERIFY(near(sheet.runs[1].fontSize, 12));
    QVERIFY(near(sheet.runs[1].at.x(), 0.08 * 10320 + 200));
}

void PaperPreviewTest::refreshingRedrawsWithGuidesAtTheChosenScale()
{
    Bench bench;
    bench.preview.load();
    bench.preview.chooseScale(80);
    bench.preview.print();
    bench.paper = paperOf({u"新的一题？"_s});
    bench.preview.refresh();
    QCOMPARE(bench.page.size(), QSizeF(6880, 9360));
    QVERIFY(allGuidesShown(bench.page, true));
    QCOMPARE(bench.page.text().runs()[1].text, u" "_s);
    QCOMPARE(bench.page.text().runs()[3].text, u"、"_s);
    QCOMPARE(bench.page.text().runs()[4].text, u"新"_s);
}

void PaperPreviewTest::exportingWritesThePageAsPrinted()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Bench bench;
    bench.preview.load();
    bench.preview.chooseScale(130);
    const QString path = folder.filePath(u"试卷.pdf"_s);
    QVERIFY(bench.preview.exportPdf(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QCOMPARE(bench.page.size(), QSizeF(11180, 15210));
    QVERIFY(allGuidesShown(bench.page, false));
    QVERIFY(bench.messages.shown.isEmpty());
    QVERIFY(bench.printer.documents.isEmpty());
}

void PaperPreviewTest::anUnwritablePdfIsReported()
{
    QTemporaryDir folder;
    Bench bench;
    bench.preview.load();
    const QString path = folder.filePath(u"no such folder/试卷.pdf"_s);
    QVERIFY(!bench.preview.exportPdf(path));
    QCOMPARE(bench.messages.shown,
             QList<Message>{PrintingMessages::pdfFailed(path, u"文件夹不存在"_s)});
}

void PaperPreviewTest::aFullDiskIsReportedAndTheEarlierExportsStay()
{
    QTemporaryDir folder;
    const QString mountPoint = folder.filePath(u"small-disk"_s);
    QVERIFY(QDir().mkpath(mountPoint));
    const int result = InSmallFilesystem(mountPoint, [&mountPoint] {
        Bench bench;
        bench.composed = tenProblems();
        bench.preview.load();
        const QString paper = mountPoint + u"/试卷.pdf"_s;
        const QString key = mountPoint + u"/答案.pdf"_s;
        if (!bench.preview.exportPdf(paper) || !bench.preview.exportAnswerKeyPdf(key))
            return 10;
        const QByteArray earlierPaper = contentsOf(paper);
        const QByteArray earlierKey = contentsOf(key);
        if (!FillDisk(mountPoint + u"/filler"_s))
            return 11;
        bench.paper = paperOf(QStringList(30, u"一台打印机4分钟打印了96页，打印360页要几分钟？"_s));
        if (bench.preview.exportPdf(paper) || bench.preview.exportAnswerKeyPdf(key))
            return 12;
        const QList<Message> told{PrintingMessages::pdfFailed(paper, u"磁盘已满"_s),
                                  PrintingMessages::pdfFailed(key, u"磁盘已满"_s)};
        if (bench.messages.shown != told)
            return 13;
        return contentsOf(paper) == earlierPaper && contentsOf(key) == earlierKey ? 0 : 14;
    });
    if (result == NoSmallFilesystem)
        QSKIP("no user namespace for a small filesystem of the test's own");
    // 10: no room for the first exports, 12: a failure taken for success, 13: the wrong
    // messages, 14: an earlier export changed.
    QCOMPARE(result, 0);
    QVERIFY(PrintingMessages::pdfFailed(u"/a/试卷.pdf"_s, u"磁盘已满"_s)
                .text.startsWith(u"试卷没能写进这个文件：\r\n/a/试卷.pdf\r\n磁盘已满\r\n"_s));
}

void PaperPreviewTest::eachCopyOfALongPaperIsOneDocumentOfAllItsPages()
{
    Bench bench;
    QStringList problems;
    for (int i = 0; i < 40; ++i)
        problems.append(u"一台打印机4分钟打印了96页，照这样的速度，打印360页需要多少分钟？"_s);
    bench.paper = paperOf(problems);
    bench.settings.copies = u"2"_s;
    bench.preview.load();
    QVERIFY(bench.pages.pageCount() >= 3);
    bench.preview.print();
    QCOMPARE(bench.printer.documents.size(), 2);
    for (const QList<PrintedSheet> &document : bench.printer.documents) {
        QCOMPARE(document.size(), bench.pages.pageCount());
        QString expected = bench.paper;
        expected.remove(u'\r');
        expected.remove(u'\n');
        QCOMPARE(textOf(document), PaperTitle() + expected);
    }
    QVERIFY(bench.messages.shown.isEmpty());
}

void PaperPreviewTest::withoutADefaultPrinterTheFirstPrintsAndTheUserIsTold()
{
    Bench bench;
    bench.printer.isDefault = false;
    bench.printer.name = u"办公室"_s;
    bench.preview.load();
    bench.messages.onShow = [&](const Message &) { QCOMPARE(bench.printer.sheetsAsked, 0); };
    bench.preview.print();
    QCOMPARE(bench.printer.documents.size(), 1);
    QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::noDefaultPrinter(u"办公室"_s)});
    const QString text = bench.messages.shown.front().text;
    QVERIFY(text.contains(u"没有设置默认打印机"_s) && text.contains(u"“办公室”"_s));
    QVERIFY(!text.contains(u"没有找到打印机"_s));
}

void PaperPreviewTest::textThatFindsNoPlaceIsReported()
{
    Bench bench;
    bench.settings.topMargin = u"100"_s;
    bench.preview.load();
    QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::notAllPlaced(u"试卷"_s)});
}

void PaperPreviewTest::withoutAComposedPaperThereIsNoKey()
{
    QTemporaryDir folder;
    Bench bench;
    bench.preview.load();
    const auto shown = bench.page.text().runs().size();
    QVERIFY(!bench.preview.showAnswerKey());
    QVERIFY(!bench.preview.printAnswerKey());
    QVERIFY(!bench.preview.exportAnswerKeyPdf(folder.filePath(u"答案.pdf"_s)));
    QCOMPARE(bench.messages.shown, QList<Message>(3, PrintingMessages::noPaperForKey()));
    QVERIFY(bench.printer.documents.isEmpty());
    QVERIFY(!QFile::exists(folder.filePath(u"答案.pdf"_s)));
    QCOMPARE(bench.page.text().runs().size(), shown);
    QCOMPARE(bench.preview.shown(), PaperPreview::Shown::Paper);
}

void PaperPreviewTest::theKeyOpensOnlyAfterTheHandIn()
{
    QTemporaryDir folder;
    Bench bench;
    bench.composed = tenProblems();
    bench.handedIn = false;
    bench.preview.load();
    QVERIFY(!bench.preview.showAnswerKey());
    QVERIFY(!bench.preview.printAnswerKey());
    QVERIFY(!bench.preview.exportAnswerKeyPdf(folder.filePath(u"答案.pdf"_s)));
    QCOMPARE(bench.messages.shown, QList<Message>(3, PrintingMessages::keyBeforeHandIn()));
    QVERIFY(bench.printer.documents.isEmpty());
    QVERIFY(!QFile::exists(folder.filePath(u"答案.pdf"_s)));
    QCOMPARE(bench.preview.shown(), PaperPreview::Shown::Paper);
    // Handed in, the key is there for the pupil and for a teacher's printer.
    bench.handedIn = true;
    QVERIFY(bench.preview.showAnswerKey());
    QVERIFY(bench.preview.printAnswerKey());
    QCOMPARE(bench.printer.documents.size(), 1);
    QCOMPARE(bench.messages.shown.size(), 3);
}

void PaperPreviewTest::theKeyIsOfTheComposedPaperNotOfTheBox()
{
    Bench bench;
    bench.composed = tenProblems();
    bench.paper = u"学生改过的试卷"_s;
    bench.preview.load();
    QVERIFY(bench.preview.showAnswerKey());
    QCOMPARE(bench.preview.shown(), PaperPreview::Shown::AnswerKey);
    QVERIFY(allGuidesShown(bench.page, true));
    QString text;
    for (int i = 0; i < bench.pages.pageCount(); ++i) {
        for (const TextSurface::Run &run : bench.pages.page(i).text().runs())
            text += run.text;
    }
    QVERIFY(text.startsWith(AnswerKeyTitle()));
    QVERIFY(!text.contains(u"学生改过"_s));
    for (int i = 1; i <= 10; ++i) {
        QVERIFY(text.contains(u" "_s + QString::number(i) + u"、答案："_s + QString::number(i * 3) +
                              u"解：列式：解法"_s + QString::number(i)));
    }
    bench.preview.refresh();
    QCOMPARE(bench.preview.shown(), PaperPreview::Shown::Paper);
}

void PaperPreviewTest::theKeyPrintsOnceAsOneDocument()
{
    Bench bench;
    bench.composed = tenProblems();
    bench.settings.copies = u"30"_s;
    bench.settings.fontSize = u"15"_s;
    bench.preview.load();
    bench.preview.chooseScale(140);
    QVERIFY(bench.preview.printAnswerKey());
    QCOMPARE(bench.printer.documents.size(), 1);
    const QList<PrintedSheet> &key = bench.printer.documents.front();
    QCOMPARE(key.size(), bench.pages.pageCount());
    QCOMPARE(key.front().size, QSizeF(12040, 16380));
    QVERIFY(key.front().shownGuides.isEmpty());
    QVERIFY(textOf(key).startsWith(AnswerKeyTitle() + u" 1、答案：3"_s));
    QVERIFY(textOf(key).contains(u" 10、答案：30"_s));
    QVERIFY(bench.messages.shown.isEmpty());
}

void PaperPreviewTest::theKeyExportsAsPdf()
{
    QTemporaryDir folder;
    Bench bench;
    bench.composed = tenProblems();
    bench.preview.load();
    const QString path = folder.filePath(u"答案.pdf"_s);
    QVERIFY(bench.preview.exportAnswerKeyPdf(path));
    QVERIFY(QFile::exists(path));
    QCOMPARE(bench.preview.shown(), PaperPreview::Shown::AnswerKey);
    QVERIFY(allGuidesShown(bench.page, false));
}

QTEST_MAIN(PaperPreviewTest)
#include "paperpreview_test.moc"
