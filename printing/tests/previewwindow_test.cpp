// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagewindow.h"
#include "paperlayout.h"
#include "paperprinter.h"
#include "printingdesk.h"
#include "printingmessages.h"
#include "printserverstandins.h"
#include "recordingprinter.h"
#include "recordingservices.h"
#include "units.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The printing desk of a test window whose paper the test sets.
struct Desk {
    QString paper = u" 1、小明有5本书，又买来3本，现在有几本？\r\n\r\n"
                    u" 2、一桶油重20千克，用去一半后还剩多少千克？\r\n\r\n"_s;
    RecordingMessages messages;
    RecordingPrinter *printer = new RecordingPrinter;
    QString pdfPath;
    int pdfQuestions = 0;
    PrintingDesk desk{[this] { return paper; }, messages, std::unique_ptr<PaperPrinter>(printer),
                      [this](QWidget *) {
                          ++pdfQuestions;
                          return pdfPath;
                      }};

    PreviewWindow &preview() { return desk.previewWindow(); }
};

int px(double twips)
{
    return TwipScale(96).toPixels(twips);
}

QStringList checkedScales(const PreviewWindow &window)
{
    QStringList checked;
    for (int percent : PageScales) {
        if (window.scaleItem(percent)->isChecked())
            checked.append(window.scaleItem(percent)->text());
    }
    return checked;
}

} // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void settingsReadBeforeAnyOpeningAreTheDefaults();
    void openingShowsThePageAt100PercentWithGuides();
    void theMenusOfThePreview();
    void theContainerKeepsItsFirstSize();
    void aScaleItemMovesTheCheckMarkButLeavesThePage();
    void printingRedrawsPrintsAndHidesThePreview();
    void reopeningShowsThePaperAsItIsNow();
    void cancelClosesAndTheNextOpeningStartsAfresh();
    void thePageUsesTheSettingsWindowsTexts();
    void exportWritesTheFileTheUserChose();
    void exportCancelledWritesNothing();
    void withoutAPrinterThePreviewStillHides();
    void whileThePrinterIsSoughtThePreviewIsHiddenAndFreed();
    void onlyPrintingAsksThePrintService();
    void everyPageOfALongPaperIsShownBelowTheFirst();
    void theAnswerMenuShowsPrintsAndLeavesTheKey();
};

void PreviewWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void PreviewWindowTest::settingsReadBeforeAnyOpeningAreTheDefaults()
{
    Desk desk;
    QCOMPARE(desk.desk.printSettings(), PrintSettings());
    QVERIFY(!desk.desk.settingsWindow().isVisible());
    desk.desk.openPageSetup();
    QVERIFY(desk.desk.settingsWindow().isVisible());
}

void PreviewWindowTest::openingShowsThePageAt100PercentWithGuides()
{
    Desk desk;
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.objectName(), u"MDIForm1"_s);
    QCOMPARE(window.windowTitle(), u"打印预览"_s);
    QCOMPARE(window.pageWindow().objectName(), u"Form6"_s);
    QCOMPARE(window.pageFrame().windowTitle(), u"打印预览"_s);
    QCOMPARE(checkedScales(window), QStringList{u"100%"_s});
    QCOMPARE(window.preview().pageScale(), 100);
    QCOMPARE(window.page().size(), QSizeF(8600, 11700));
    QCOMPARE(window.page().text().runs().front().text, PaperTitle());
    QCOMPARE(window.page().text().textColor(), QColor(255, 0, 0));

    // The page window is as large as the page, 30 twips below the container's top.
    QCOMPARE(window.pageFrame().size(), QSize(px(8600), px(11700)));
    QCOMPARE(window.pageFrame().pos(), QPoint(0, px(30)));
    const struct {
        Guide guide;
        QString name;
        QPoint at;
    } guides[] = {
        {Guide::Top, u"Label1"_s, QPoint(0, 33)},
        {Guide::Left, u"Label2"_s, QPoint(45, 0)},
        {Guide::Right, u"Label3"_s, QPoint(527, 0)},
        {Guide::Bottom, u"Label4"_s, QPoint(0, 717)},
    };
    for (const auto &[guide, name, at] : guides) {
        const QWidget &label = window.pageWindow().guideLabel(guide);
        QCOMPARE(label.objectName(), name);
        QVERIFY(label.isVisible());
        QCOMPARE(label.pos(), at);
        QCOMPARE(std::min(label.width(), label.height()), 1);
    }
    QVERIFY(desk.messages.shown.isEmpty());
}

void PreviewWindowTest::theMenusOfThePreview()
{
    Desk desk;
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    QStringList entries;
    for (QAction *entry : window.menuBar()->actions())
        entries.append(entry->text());
    QCOMPARE(entries, QStringList({u"比例"_s, u"打印"_s, u"导出PDF"_s, u"答案"_s, u"取消"_s}));
    QStringList scales;
    for (QAction *item : window.menuBar()->actions().front()->menu()->actions()) {
        scales.append(item->text());
        QCOMPARE(item->objectName(), u"bili1"_s);
        QCOMPARE(window.scaleItem(item->data().toInt()), item);
    }
    QCOMPARE(scales, QStringList({u"80%"_s, u"100%"_s, u"120%"_s, u"130%"_s, u"140%"_s}));
    QCOMPARE(window.printItem().objectName(), u"dayin"_s);
    QCOMPARE(window.cancelItem().objectName(), u"quxiao"_s);
}

void PreviewWindowTest::theContainerKeepsItsFirstSize()
{
    Desk desk;
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    const QSize container = window.size();
    // The page window's first size with its frame, and 400 × 800 twips around it, as far
    // as the screen has room.
    const QSize room = RoomOnScreen(window);
    const QSize frame = window.pageFrame().size() - window.pageWindow().size();
    QCOMPARE(container.width(), std::min(room.width(), px(8505 + 400) + frame.width()));
    QCOMPARE(container.height(), std::min(room.height(), px(10125 + 800) + frame.height()));
    window.scaleItem(140)->trigger();
    window.printItem().trigger();
    desk.desk.openPreview();
    QCOMPARE(window.size(), container);
    QCOMPARE(window.pageFrame().size(), QSize(px(12040), px(16380)));
}

void PreviewWindowTest::aScaleItemMovesTheCheckMarkButLeavesThePage()
{
    Desk desk;
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    window.scaleItem(140)->trigger();
    QCOMPARE(checkedScales(window), QStringList{u"140%"_s});
    QCOMPARE(window.preview().pageScale(), 140);
    QCOMPARE(window.page().size(), QSizeF(8600, 11700));
    QVERIFY(window.pageWindow().guideLabel(Guide::Left).isVisible());
    window.scaleItem(80)->trigger();
    QCOMPARE(checkedScales(window), QStringList{u"80%"_s});
    QCOMPARE(window.preview().pageScale(), 80);
}

void PreviewWindowTest::printingRedrawsPrintsAndHidesThePreview()
{
    Desk desk;
    desk.desk.settingsWindow().findChild<QLineEdit *>(u"Text1"_s)->setText(u"3"_s);
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    window.scaleItem(120)->trigger();
    window.printItem().trigger();
    QVERIFY(!window.isVisible());
    QVERIFY(window.isLoaded());
    QCOMPARE(desk.printer->documents.size(), 3);
    QCOMPARE(desk.printer->documents.front().front().size, QSizeF(10320, 14040));
    QCOMPARE(window.page().size(), QSizeF(10320, 14040));
    QVERIFY(!window.pageWindow().guideLabel(Guide::Top).isVisibleTo(&window.pageWindow()));
    QCOMPARE(checkedScales(window), QStringList{u"120%"_s});
}

void PreviewWindowTest::reopeningShowsThePaperAsItIsNow()
{
    Desk desk;
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    window.scaleItem(130)->trigger();
    window.printItem().trigger();
    desk.paper = u" 1、新组的一题？\r\n\r\n"_s;
    desk.desk.openPreview();
    QVERIFY(window.isVisible());
    QCOMPARE(checkedScales(window), QStringList{u"130%"_s});
    QCOMPARE(window.page().size(), QSizeF(11180, 15210));
    QVERIFY(window.pageWindow().guideLabel(Guide::Top).isVisible());
    QString shown;
    for (const TextSurface::Run &run : window.page().text().runs())
        shown += run.text;
    QCOMPARE(shown, PaperTitle() + u" 1、新组的一题？"_s);
}

void PreviewWindowTest::cancelClosesAndTheNextOpeningStartsAfresh()
{
    Desk desk;
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    window.scaleItem(140)->trigger();
    window.cancelItem().trigger();
    QVERIFY(!window.isVisible());
    QVERIFY(!window.isLoaded());
    QVERIFY(desk.printer->documents.isEmpty());
    desk.desk.openPreview();
    QVERIFY(window.isVisible());
    QCOMPARE(checkedScales(window), QStringList{u"100%"_s});
    QCOMPARE(window.preview().pageScale(), 100);
    QCOMPARE(window.pageFrame().size(), QSize(px(8600), px(11700)));
}

void PreviewWindowTest::thePageUsesTheSettingsWindowsTexts()
{
    Desk desk;
    PrintSettingsWindow &settings = desk.desk.settingsWindow();
    settings.findChild<QComboBox *>(u"Combo1"_s)->setEditText(u"楷体_GB2312"_s);
    settings.findChild<QComboBox *>(u"Combo2"_s)->setEditText(u"14"_s);
    settings.findChild<QComboBox *>(u"Combo5"_s)->setEditText(u"左"_s);
    desk.desk.openPreview();
    const auto &runs = desk.preview().page().text().runs();
    QCOMPARE(runs.front().fontName, u"楷体_GB2312"_s);
    QCOMPARE(runs.front().fontSize, 16.0);
    QCOMPARE(runs[1].fontSize, 14.0);
    QVERIFY(std::abs(runs[1].at.x() - 788) < 1e-6);
    QCOMPARE(desk.messages.shown,
             QList<Message>{PrintingMessages::unusableSettings({{u"左边距"_s, u"1"_s}})});
}

void PreviewWindowTest::exportWritesTheFileTheUserChose()
{
    QTemporaryDir folder;
    Desk desk;
    desk.pdfPath = folder.filePath(u"测试题.pdf"_s);
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    window.scaleItem(80)->trigger();
    window.exportItem().trigger();
    QCOMPARE(desk.pdfQuestions, 1);
    QVERIFY(QFile::exists(desk.pdfPath));
    QVERIFY(window.isVisible());
    QCOMPARE(window.page().size(), QSizeF(6880, 9360));
    QVERIFY(!window.pageWindow().guideLabel(Guide::Top).isVisibleTo(&window.pageWindow()));
    QVERIFY(desk.printer->documents.isEmpty());
}

void PreviewWindowTest::exportCancelledWritesNothing()
{
    Desk desk;
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    window.scaleItem(140)->trigger();
    window.exportItem().trigger();
    QCOMPARE(desk.pdfQuestions, 1);
    QCOMPARE(window.page().size(), QSizeF(8600, 11700));
    QVERIFY(desk.messages.shown.isEmpty());
}

void PreviewWindowTest::withoutAPrinterThePreviewStillHides()
{
    Desk desk;
    desk.printer->available = false;
    desk.desk.openPreview();
    desk.preview().printItem().trigger();
    QVERIFY(!desk.preview().isVisible());
    QCOMPARE(desk.messages.shown, QList<Message>{PrintingMessages::noPrinter()});
}

void PreviewWindowTest::whileThePrinterIsSoughtThePreviewIsHiddenAndFreed()
{
    Desk desk;
    desk.printer->answersLater = true;
    desk.printer->answers = false;
    desk.desk.openPreview();
    desk.preview().printItem().trigger();
    // "打印" returns at once: the window is not held while the print service is asked.
    QVERIFY(!desk.preview().isVisible());
    QVERIFY(desk.messages.shown.isEmpty());
    QVERIFY(desk.printer->giveAnswer());
    QCOMPARE(desk.messages.shown, QList<Message>{PrintingMessages::printServiceSilent()});
    QVERIFY(desk.printer->documents.isEmpty());
}

void PreviewWindowTest::onlyPrintingAsksThePrintService()
{
    // Opening the windows and drawing never wait for a print service that may hang.
    ThreadsOfTheTest threads;
    auto server = std::make_shared<GatedPrintServer>();
    RecordingMessages messages;
    PrintingDesk desk([] { return u" 1、小明有5本书，又买来3本，现在有几本？\r\n\r\n"_s; },
                      messages, std::make_unique<SystemPaperPrinter>(server, threads.runner()),
                      [](QWidget *) { return QString(); });
    desk.openPageSetup();
    desk.openPreview();
    desk.previewWindow().exportItem().trigger();
    desk.previewWindow().scaleItem(120)->trigger();
    desk.settingsWindow().Label9_Click();
    desk.openPreview();
    QCOMPARE(threads.count(), 0);
    desk.previewWindow().printItem().trigger();
    QCOMPARE(threads.count(), 1);
    server->open();
}

void PreviewWindowTest::everyPageOfALongPaperIsShownBelowTheFirst()
{
    Desk desk;
    for (int i = 1; i <= 40; ++i)
        desk.paper +=
            u" "_s + QString::number(i) + u"、照这样的速度，打印360页需要多少分钟？\r\n"_s;
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    const int pages = window.pages().pageCount();
    QVERIFY(pages >= 2);
    const QList<QMdiSubWindow *> frames = window.shownPageFrames();
    QCOMPARE(frames.size(), pages);
    QCOMPARE(frames.front(), &window.pageFrame());
    for (qsizetype i = 1; i < frames.size(); ++i) {
        QVERIFY(frames[i]->isVisible());
        QCOMPARE(frames[i]->size(), QSize(px(8600), px(11700)));
        QCOMPARE(frames[i]->x(), frames[i - 1]->x());
        QVERIFY(frames[i]->y() > frames[i - 1]->geometry().bottom());
        QCOMPARE(frames[i]->windowTitle(), u"第 "_s + QString::number(i + 1) + u" 页"_s);
    }
    // A short paper needs one page again.
    window.cancelItem().trigger();
    desk.paper = u" 1、一题？\r\n"_s;
    desk.desk.openPreview();
    QCOMPARE(window.shownPageFrames().size(), 1);
}

void PreviewWindowTest::theAnswerMenuShowsPrintsAndLeavesTheKey()
{
    Desk desk;
    desk.desk.setAnswerKeySource([] {
        return std::optional<PaperForKey>(
            PaperForKey{QList<ProblemRecord>{{u"题？&"_s, u"8/2=4&"_s, u"4"_s}}, true});
    });
    desk.desk.openPreview();
    PreviewWindow &window = desk.preview();
    QCOMPARE(window.viewKeyItem().objectName(), u"chakandaan"_s);
    QCOMPARE(window.printKeyItem().text(), u"打印答案"_s);
    QCOMPARE(window.exportKeyItem().text(), u"导出答案PDF"_s);
    window.viewKeyItem().trigger();
    QCOMPARE(window.page().text().runs().front().text, AnswerKeyTitle());
    QVERIFY(window.windowTitle().contains(u"答案"_s));
    window.viewPaperItem().trigger();
    QCOMPARE(window.page().text().runs().front().text, PaperTitle());
    QCOMPARE(window.windowTitle(), u"打印预览"_s);
    window.printKeyItem().trigger();
    QCOMPARE(desk.printer->documents.size(), 1);
    QVERIFY(!window.isVisible());
    QVERIFY(desk.messages.shown.isEmpty());
}

QTEST_MAIN(PreviewWindowTest)
#include "previewwindow_test.moc"
