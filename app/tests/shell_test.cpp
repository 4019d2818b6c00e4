// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"
#include "knowledgewindow.h"
#include "mainmessages.h"
#include "mainwindow.h"
#include "shellfixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A practice window as the real one will be: it has an answer box and counts its loads.
class CountingPractice final : public QWidget, public HostedWindow, public AnswerBoxWindow {
public:
    CountingPractice()
    {
        setObjectName(u"Form4"_s);
        answerBox = new QLineEdit(this);
        answerBox->setObjectName(u"Text1"_s);
        new QLineEdit(this); // focus starts elsewhere
    }
    QWidget &widget() override { return *this; }
    void load() override { ++loads; }
    void focusAnswerBox() override { answerBox->setFocus(); }
    QLineEdit *answerBox;
    int loads = 0;
};

/// A learning window that is nothing but a window.
class StandInWindow final : public QWidget, public HostedWindow {
public:
    QWidget &widget() override { return *this; }
    void load() override {}
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modeLabelsHandOverWithTheClickSound_data();
    void modeLabelsHandOverWithTheClickSound();
    void backRunsTheMainWindowsLoadAgain();
    void learningWindowsLeadToEachOther_data();
    void learningWindowsLeadToEachOther();
    void practiceGetsTheFocusInItsAnswerBox();
    void windowsAreMadeOnceAndLoadedAtEveryOpening();
    void aWindowWithoutAMakerIsNeverOpened();
    void aSecondCopyShowsTheMessageAndEnds();
    void theFirstCopyComesForwardWhenAsked();
    void basicKnowledgeOpensOnTopAndStaysOpen();
    void exitClosesEveryWindow();
    void aDestroyedWindowEndsTheProgramWhenNoneIsLeft_data();
    void aDestroyedWindowEndsTheProgramWhenNoneIsLeft();
    void aCopyThatGaveUpItsPlaceEnds();
};

void ShellTest::modeLabelsHandOverWithTheClickSound_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("examples") << u"Label9"_s << u"Form3"_s << u"Lumaro    例题分析  "_s;
    QTest::newRow("practice") << u"Label10"_s << u"Form4"_s << u"Lumaro    应用题练习"_s;
    QTest::newRow("test") << u"Label11"_s << u"Form5"_s << u"Lumaro    应用题测试 "_s;
}

void ShellTest::modeLabelsHandOverWithTheClickSound()
{
    QFETCH(QString, mode);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    ShellFixture program;
    program.shell->start();
    MainWindow &main = program.shell->mainWindow();
    QTest::mouseClick(main.findChild<QWidget *>(u"Label6"_s), Qt::LeftButton);
    QTest::mouseClick(main.findChild<QWidget *>(mode), Qt::LeftButton);
    QCOMPARE(program.platform.sound.played, QStringList{u"d:\\"_s});
    QVERIFY(!main.isVisible());
    QWidget *shown = program.shell->currentWindow();
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(shown->objectName(), window);
    QCOMPARE(shown->windowTitle(), caption);
    QCOMPARE(program.shell->settings().BankFileName, u"\\tm3.dat"_s);
    // The main window's timers stop while it is closed.
    for (QTimer *timer : main.findChildren<QTimer *>())
        QVERIFY(!timer->isActive());
}

void ShellTest::backRunsTheMainWindowsLoadAgain()
{
    ShellFixture program;
    program.shell->start();
    MainWindow &main = program.shell->mainWindow();
    for (int tick = 0; tick < 70; ++tick)
        main.Timer2_Timer();
    main.Timer3_Timer();
    main.Timer4_Timer();
    QTest::mouseClick(main.findChild<QWidget *>(u"Label7"_s), Qt::LeftButton);
    QTest::mouseClick(main.findChild<QWidget *>(u"Label11"_s), Qt::LeftButton);
    QTest::mouseClick(program.find(u"Option8"_s), Qt::LeftButton);

    QCOMPARE(program.shell->currentWindow(), &main);
    QVERIFY(main.isVisible());
    QVERIFY(main.findChild<QWidget *>(u"Frame1"_s)->isVisible());
    QVERIFY(!main.findChild<QWidget *>(u"Frame2"_s)->isVisible());
    QVERIFY(!main.findChild<QWidget *>(u"Label9"_s)->isEnabled());
    QCOMPARE(main.findChild<CaptionLabel *>(u"Label14"_s)->text(), QString());
    QCOMPARE(program.platform.display.requests.size(), 2);
    QCOMPARE(program.platform.instance.checks, 2);
    QCOMPARE(program.shell->settings().BankFileName, u"\\tm4.dat"_s);
    // The music starts one second after the load again; the picture pair runs on.
    QCOMPARE(main.logic().musicTicks(), 0);
    QCOMPARE(main.logic().blinkTicks(), 1);
    program.platform.sound.played.clear();
    main.Timer3_Timer();
    QCOMPARE(program.platform.sound.played.size(), 1);
    main.Timer2_Timer();
    QCOMPARE(main.findChild<CaptionLabel *>(u"Label14"_s)->text(), u"掌握方法"_s);
}

void ShellTest::learningWindowsLeadToEachOther_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("to");
    QTest::newRow("examples to practice")
        << u"Label9"_s << u"Command3"_s << u"进入练习"_s << u"Form4"_s;
    QTest::newRow("examples to test")
        << u"Label9"_s << u"Command4"_s << u"进入测试"_s << u"Form5"_s;
    QTest::newRow("examples back") << u"Label9"_s << u"Command2"_s << u"返 回"_s << u"Form1"_s;
    QTest::newRow("practice to examples")
        << u"Label10"_s << u"Command3"_s << u"进入例题"_s << u"Form3"_s;
    QTest::newRow("practice to test")
        << u"Label10"_s << u"Command4"_s << u"进入测试"_s << u"Form5"_s;
    QTest::newRow("practice back") << u"Label10"_s << u"Command2"_s << u"返 回"_s << u"Form1"_s;
    QTest::newRow("test to examples")
        << u"Label11"_s << u"Option7"_s << u"进入例题"_s << u"Form3"_s;
    QTest::newRow("test to practice")
        << u"Label11"_s << u"Option4"_s << u"进入练习"_s << u"Form4"_s;
    QTest::newRow("test back") << u"Label11"_s << u"Option8"_s << u"返  回"_s << u"Form1"_s;
}

void ShellTest::learningWindowsLeadToEachOther()
{
    QFETCH(QString, from);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, to);
    ShellFixture program;
    program.shell->start();
    MainWindow &main = program.shell->mainWindow();
    QTest::mouseClick(main.findChild<QWidget *>(u"Label4"_s), Qt::LeftButton);
    QTest::mouseClick(main.findChild<QWidget *>(from), Qt::LeftButton);
    QWidget *left = program.shell->currentWindow();
    auto *control = program.find<QPushButton>(button);
    QVERIFY(control);
    QCOMPARE(control->text(), caption);
    QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(program.shell->currentWindow()->objectName(), to);
    QVERIFY(program.shell->currentWindow()->isVisible());
    QVERIFY(!left->isVisible());
    // Handing over between windows makes no sound of its own.
    QCOMPARE(program.platform.sound.played, QStringList{u"d:\\"_s});
}

void ShellTest::practiceGetsTheFocusInItsAnswerBox()
{
    CountingPractice *practice = nullptr;
    LearningWindows windows = ProgramLearningWindows();
    windows.practice = [&practice](WindowHost &, const PlatformServices &) {
        auto window = std::make_unique<CountingPractice>();
        practice = window.get();
        return window;
    };
    ShellFixture program(windows);
    program.shell->start();
    MainWindow &main = program.shell->mainWindow();
    QTest::mouseClick(main.findChild<QWidget *>(u"Label5"_s), Qt::LeftButton);
    QTest::mouseClick(main.findChild<QWidget *>(u"Label10"_s), Qt::LeftButton);
    QVERIFY(practice);
    QCOMPARE(practice->focusWidget(), practice->answerBox);
    QCOMPARE(practice->loads, 1);
}

void ShellTest::windowsAreMadeOnceAndLoadedAtEveryOpening()
{
    int made = 0;
    CountingPractice *practice = nullptr;
    LearningWindows windows;
    StandInWindow *examplesStandIn = nullptr;
    windows.examples = [&](WindowHost &, const PlatformServices &) {
        auto window = std::make_unique<StandInWindow>();
        examplesStandIn = window.get();
        return window;
    };
    windows.practice = [&](WindowHost &, const PlatformServices &) {
        ++made;
        auto window = std::make_unique<CountingPractice>();
        practice = window.get();
        return window;
    };
    ShellFixture program(windows);
    program.shell->start();
    for (int round = 0; round < 3; ++round) {
        program.shell->handOver(&program.shell->mainWindow(), WindowId::Practice);
        program.shell->handOver(practice, WindowId::Main);
    }
    QCOMPARE(made, 1);
    QCOMPARE(practice->loads, 3);
    QWidget *examples = program.shell->handOver(&program.shell->mainWindow(), WindowId::Examples);
    QCOMPARE(examples, examplesStandIn);
}

void ShellTest::aWindowWithoutAMakerIsNeverOpened()
{
    LearningWindows windows = ProgramLearningWindows();
    windows.test = nullptr;
    windows.examples = [](WindowHost &, const PlatformServices &) {
        return std::unique_ptr<HostedWindow>();
    };
    ShellFixture program(windows);
    program.shell->start();
    MainWindow &main = program.shell->mainWindow();
    for (WindowId next : {WindowId::Test, WindowId::Examples}) {
        QCOMPARE(program.shell->handOver(&main, next), nullptr);
        QCOMPARE(program.shell->currentWindow(), &main);
        QVERIFY(main.isVisible());
    }
}

void ShellTest::aSecondCopyShowsTheMessageAndEnds()
{
    ShellFixture program;
    program.platform.instance.otherCopy = true;
    QSignalSpy ended(program.shell.get(), &Shell::ended);
    bool mainShownDuringMessage = true;
    program.platform.messages.onShow = [&](const Message &) {
        mainShownDuringMessage = program.shell->mainWindow().isVisible();
    };
    program.shell->start();
    const Message expected{u"Lumaro"_s, u"这程序已执行"_s, Message::Icon::Critical};
    QCOMPARE(program.platform.messages.shown, QList<Message>{expected});
    QVERIFY(!mainShownDuringMessage);
    QCOMPARE(program.platform.instance.raiseRequests, 1);
    QCOMPARE(ended.count(), 1);
    QVERIFY(program.shell->hasEnded());
    QVERIFY(!program.shell->mainWindow().isVisible());
    QCOMPARE(program.shell->currentWindow(), nullptr);
    QCOMPARE(program.platform.display.requests.size(), 1);
}

void ShellTest::theFirstCopyComesForwardWhenAsked()
{
    ShellFixture program;
    program.shell->start();
    program.shell->mainWindow().showMinimized();
    Q_EMIT program.platform.instance.raiseRequested();
    QVERIFY(!program.shell->mainWindow().isMinimized());
    QVERIFY(program.shell->mainWindow().isVisible());
}

void ShellTest::basicKnowledgeOpensOnTopAndStaysOpen()
{
    ShellFixture program;
    program.shell->start();
    MainWindow &main = program.shell->mainWindow();
    QTest::mouseClick(main.findChild<QWidget *>(u"Label2"_s), Qt::LeftButton);
    KnowledgeWindow *knowledge = main.knowledgeWindow();
    QVERIFY(knowledge && knowledge->isVisible());
    QVERIFY(main.isVisible());
    QVERIFY(program.platform.sound.played.isEmpty());
    for (int tick = 0; tick < 10; ++tick)
        knowledge->Timer1_Timer();
    // Asked for again, it only comes to the front: the writing goes on where it was.
    QTest::mouseClick(main.findChild<QWidget *>(u"Label2"_s), Qt::LeftButton);
    QCOMPARE(knowledge->reveal().ticks(), 10);
    QTest::mouseClick(main.findChild<QWidget *>(u"Label5"_s), Qt::LeftButton);
    QTest::mouseClick(main.findChild<QWidget *>(u"Label9"_s), Qt::LeftButton);
    QVERIFY(!main.isVisible());
    QVERIFY(knowledge->isVisible());
}

void ShellTest::exitClosesEveryWindow()
{
    ShellFixture program;
    program.shell->start();
    MainWindow &main = program.shell->mainWindow();
    QTest::mouseClick(main.findChild<QWidget *>(u"Label2"_s), Qt::LeftButton);
    main.tuichu_Click();
    QVERIFY(!main.knowledgeWindow()->isVisible());
    QVERIFY(!main.isVisible());
    QVERIFY(program.shell->hasEnded());
    QCOMPARE(program.shell->handOver(nullptr, WindowId::Main), nullptr);
}

// A window destroyed from outside (xdotool windowclose, a crashed compositor) leaves Qt
// believing it is still shown; without a window on the screen the program must end, or it
// would keep the single-instance place with nothing to bring forward.
void ShellTest::aDestroyedWindowEndsTheProgramWhenNoneIsLeft_data()
{
    QTest::addColumn<QString>("open");      // what is open: "main", "knowledge", "test"
    QTest::addColumn<QString>("destroyed"); // whose window: "main", "knowledge", "test", "other"
    QTest::addColumn<bool>("ends");
    QTest::newRow("the main window") << u"main"_s << u"main"_s << true;
    QTest::newRow("the test window") << u"test"_s << u"test"_s << true;
    QTest::newRow("the main window, knowledge open") << u"knowledge"_s << u"main"_s << false;
    QTest::newRow("the knowledge window") << u"knowledge"_s << u"knowledge"_s << false;
    QTest::newRow("someone else's window") << u"main"_s << u"other"_s << false;
    QTest::newRow("a window gone before any is shown") << u"none"_s << u"other"_s << false;
}

void ShellTest::aDestroyedWindowEndsTheProgramWhenNoneIsLeft()
{
    QFETCH(QString, open);
    QFETCH(QString, destroyed);
    QFETCH(bool, ends);
    ShellFixture program;
    QSignalSpy ended(program.shell.get(), &Shell::ended);
    if (open != u"none"_s)
        program.shell->start();
    MainWindow &main = program.shell->mainWindow();
    if (open == u"knowledge"_s)
        QTest::mouseClick(main.findChild<QWidget *>(u"Label2"_s), Qt::LeftButton);
    else if (open == u"test"_s)
        program.shell->handOver(&main, WindowId::Test);
    QWidget *window = destroyed == u"main"_s        ? &main
                      : destroyed == u"knowledge"_s ? main.knowledgeWindow()
                      : destroyed == u"test"_s      ? program.shell->currentWindow()
                                                    : nullptr;
    const WId id = window ? window->internalWinId() : WId(0x7fff0001);
    QVERIFY(id != 0);
    program.shell->windowDestroyed(id);
    QCOMPARE(ended.count(), ends ? 1 : 0);
    QCOMPARE(Shell::anyWindowShown(), !ends && open != u"none"_s);
    if (window)
        QVERIFY(!window->isVisible());
    QVERIFY(program.platform.messages.asked.isEmpty());
}

void ShellTest::aCopyThatGaveUpItsPlaceEnds()
{
    ShellFixture program;
    QSignalSpy ended(program.shell.get(), &Shell::ended);
    program.shell->start();
    Q_EMIT program.platform.instance.placeGivenUp();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!Shell::anyWindowShown());
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
