// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil on a screen reader acts through accessible actions: each must do what a click does,
// and each window and box must be announced by what the screen shows.
#include "exampleswindow.h"
#include "knowledgewindow.h"
#include "mainwindow.h"
#include "practicewindow.h"
#include "shellfixture.h"
#include "testbanks.h"
#include "testwindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QAccessibleInterface &Face(QObject &object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&object);
    Q_ASSERT(face);
    return *face;
}

/// Runs an accessible action as a screen reader does, then lets the event loop deliver it.
void Act(QObject &control, const QString &action)
{
    QAccessibleActionInterface *actions = Face(control).actionInterface();
    QVERIFY(actions);
    QVERIFY2(actions->actionNames().contains(action), qPrintable(action));
    actions->doAction(action);
    QCoreApplication::sendPostedEvents();
}

QWidget *TopLevel(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

/// A program with a bank of type 1 (加减应用题) chosen on the main window.
struct ChosenType : ShellFixture {
    ChosenType()
    {
        TestBanks::Write(folder.filePath(u"tm1.dat"_s), 20);
        shell->start();
        QTest::mouseClick(find(u"Label4"_s), Qt::LeftButton);
    }

    template <class Window> Window &open(const QString &modeLabel)
    {
        QTest::mouseClick(find(modeLabel), Qt::LeftButton);
        return *qobject_cast<Window *>(shell->currentWindow());
    }

    template <class Control = QAbstractButton> Control &control(const QString &name)
    {
        auto *found = find<Control>(name);
        Q_ASSERT(found);
        return *found;
    }
};

/// Composes a paper and opens the page setup and preview beside the test window.
TestWindow &OpenPrinting(TestWindow &test)
{
    test.Option1_Click();
    test.yemianshezhi_Click();
    test.dayinyulan_Click();
    return test;
}

QStringList Unspoken(QWidget &window)
{
    QStringList faults;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->objectName().startsWith(u"qt_"_s) || button->objectName().isEmpty())
            continue;
        QAccessibleInterface &face = Face(*button);
        QAccessibleActionInterface *actions = face.actionInterface();
        const bool pressable =
            actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
        if (face.text(QAccessible::Name).trimmed().isEmpty() ||
            face.role() == QAccessible::Client || (button->isEnabled() && !pressable))
            faults.append(button->objectName());
    }
    return faults;
}

} // namespace

class AccessibleActionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyButtonHasANameARoleAndAPress();
    void windowsAreFramesNamedByTheirCaptions();
    void latchingButtonsGoDownAsAClickDoes_data();
    void latchingButtonsGoDownAsAClickDoes();
    void pushButtonsPressAsAClickDoes();
    void menuEntriesPressAsAClickDoes();
    void printSettingsBoxesAreNamedByTheirCaptions();
    void writtenTextIsReadable();
    void passagesKeepTheirBlanks();
};

void AccessibleActionsTest::everyButtonHasANameARoleAndAPress()
{
    ChosenType program;
    QStringList faults;
    for (const QString &mode : {u"Label9"_s, u"Label10"_s, u"Label11"_s}) {
        QTest::mouseClick(program.find(mode), Qt::LeftButton);
        QWidget &window = *program.shell->currentWindow();
        faults += Unspoken(window);
        if (auto *test = qobject_cast<TestWindow *>(&window)) {
            OpenPrinting(*test);
            faults += Unspoken(*TopLevel(u"Form7"_s));
            faults += Unspoken(*TopLevel(u"MDIForm1"_s));
        }
        program.shell->handOver(&window, WindowId::Main);
        QTest::mouseClick(program.find(u"Label4"_s), Qt::LeftButton);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", "_s)));
}

void AccessibleActionsTest::windowsAreFramesNamedByTheirCaptions()
{
    ChosenType program;
    QList<QWidget *> windows{program.shell->currentWindow()};
    qobject_cast<MainWindow *>(program.shell->currentWindow())->Label2_Click();
    windows.append(TopLevel(u"Form10"_s));
    for (const QString &mode : {u"Label9"_s, u"Label10"_s}) {
        windows.append(&program.open<QWidget>(mode));
        program.shell->handOver(windows.last(), WindowId::Main);
        QTest::mouseClick(program.find(u"Label4"_s), Qt::LeftButton);
    }
    windows.append(&OpenPrinting(program.open<TestWindow>(u"Label11"_s)));
    windows.append(TopLevel(u"Form7"_s));
    windows.append(TopLevel(u"MDIForm1"_s));
    for (QWidget *window : windows) {
        QVERIFY(window);
        QAccessibleInterface &face = Face(*window);
        QVERIFY2(face.role() == QAccessible::Window, qPrintable(window->objectName()));
        QCOMPARE(face.text(QAccessible::Name), window->windowTitle());
    }
}

void AccessibleActionsTest::latchingButtonsGoDownAsAClickDoes_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("press") << QAccessibleActionInterface::pressAction();
    QTest::newRow("toggle") << QAccessibleActionInterface::toggleAction();
}

void AccessibleActionsTest::latchingButtonsGoDownAsAClickDoes()
{
    QFETCH(QString, action);
    ChosenType program;
    TestWindow &test = program.open<TestWindow>(u"Label11"_s);
    Act(program.control(u"Option1"_s), action);
    QVERIFY(!test.PaperText().isEmpty());
    QVERIFY(program.control(u"Option1"_s).isChecked());

    Act(program.control(u"Option2"_s), action);
    QCOMPARE(program.control<QLabel>(u"Label7(0)"_s).text(), u"×"_s);
    QCOMPARE(program.control<QLabel>(u"Label1"_s).text(), u"我的成绩0分"_s);

    Act(program.control(u"Option5"_s), action);
    QVERIFY(program.control(u"Option5"_s).isChecked());
    QVERIFY(!test.sounds().RightSound().isEmpty());
    Act(program.control(u"Option6"_s), action);
    QVERIFY(test.sounds().RightSound().isEmpty());

    Act(program.control(u"Option8"_s), action);
    QCOMPARE(program.shell->currentWindow()->objectName(), u"Form1"_s);
}

void AccessibleActionsTest::pushButtonsPressAsAClickDoes()
{
    ChosenType program;
    program.open<ExamplesWindow>(u"Label9"_s);
    Act(program.control(u"Command1"_s), QAccessibleActionInterface::pressAction());
    QCOMPARE(program.control(u"Command1"_s).text(), u"下一题"_s);
    Act(program.control(u"Command3"_s), QAccessibleActionInterface::pressAction());
    QCOMPARE(program.shell->currentWindow()->objectName(), u"Form4"_s);
    Act(program.control(u"Command1"_s), QAccessibleActionInterface::pressAction());
    QCOMPARE(program.control(u"Command1"_s).text(), u"继续练习"_s);
    // A button not ready does not act.
    QVERIFY(!program.control(u"Command1"_s).isEnabled());
    QVERIFY(!Face(program.control(u"Command1"_s))
                 .actionInterface()
                 ->actionNames()
                 .contains(QAccessibleActionInterface::pressAction()));
}

void AccessibleActionsTest::menuEntriesPressAsAClickDoes()
{
    ChosenType program;
    TestWindow &test = program.open<TestWindow>(u"Label11"_s);
    test.Option1_Click();
    QAccessibleInterface &menus = Face(*test.menuBar());
    for (const QString &entry : {u"页面设置"_s, u"打印预览"_s}) {
        QAccessibleInterface *item = nullptr;
        for (int i = 0; i < menus.childCount(); ++i) {
            if (menus.child(i)->text(QAccessible::Name) == entry)
                item = menus.child(i);
        }
        QVERIFY2(item && item->actionInterface(), qPrintable(entry));
        QCOMPARE(item->role(), QAccessible::MenuItem);
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::sendPostedEvents();
    }
    QVERIFY(TopLevel(u"Form7"_s) && TopLevel(u"Form7"_s)->isVisible());
    QVERIFY(TopLevel(u"MDIForm1"_s) && TopLevel(u"MDIForm1"_s)->isVisible());
}

void AccessibleActionsTest::printSettingsBoxesAreNamedByTheirCaptions()
{
    ChosenType program;
    OpenPrinting(program.open<TestWindow>(u"Label11"_s));
    QWidget &settings = *TopLevel(u"Form7"_s);
    const QList<std::pair<QString, QString>> boxes{
        {u"Combo1"_s, u"字体"_s},   {u"Combo2"_s, u"字号"_s},   {u"Combo3"_s, u"上边距"_s},
        {u"Combo4"_s, u"下边距"_s}, {u"Combo5"_s, u"左边距"_s}, {u"Combo6"_s, u"右边距"_s},
        {u"Text1"_s, u"打印份数"_s}};
    for (const auto &[name, caption] : boxes) {
        QWidget *box = settings.findChild<QWidget *>(name);
        QVERIFY(box);
        QCOMPARE(Face(*box).text(QAccessible::Name), caption);
        if (auto *combo = qobject_cast<QComboBox *>(box)) {
            QCOMPARE(Face(*combo).text(QAccessible::Value), combo->currentText());
            QCOMPARE(Face(*combo->lineEdit()).text(QAccessible::Name), caption);
        }
    }
}

void AccessibleActionsTest::writtenTextIsReadable()
{
    ChosenType program;
    auto &examples = program.open<ExamplesWindow>(u"Label9"_s);
    examples.Command1_Click();
    for (int tick = 0; tick < 12; ++tick)
        examples.Timer1_Timer();
    QAccessibleTextInterface *board = Face(program.control<QWidget>(u"Board"_s)).textInterface();
    QVERIFY(board);
    QVERIFY(board->text(0, board->characterCount()).contains(u"本类题目"_s));
    QCOMPARE(Face(program.control<QWidget>(u"Board"_s)).text(QAccessible::Name), u"例题分析"_s);
    examples.Command3_Click();

    auto &practice = *qobject_cast<PracticeWindow *>(program.shell->currentWindow());
    practice.Command1_Click();
    for (int tick = 0; tick < 8; ++tick)
        practice.Timer2_Timer();
    QAccessibleTextInterface *problem = Face(program.control<QWidget>(u"Pic1"_s)).textInterface();
    QVERIFY(problem);
    QCOMPARE(problem->text(0, problem->characterCount()), u" 1、第2题："_s);
    QVERIFY(Face(program.control<QWidget>(u"Pic2"_s)).textInterface());
    practice.Command4_Click();

    OpenPrinting(*qobject_cast<TestWindow *>(program.shell->currentWindow()));
    QWidget *page = TopLevel(u"MDIForm1"_s)->findChild<QWidget *>(u"Form6"_s);
    QAccessibleTextInterface *paper = Face(*page).textInterface();
    QVERIFY(paper);
    const QString written = paper->text(0, paper->characterCount());
    QVERIFY2(written.startsWith(u"Orvik测试题\n"_s), qPrintable(written));
    QVERIFY(written.contains(u"、第"_s));
}

void AccessibleActionsTest::passagesKeepTheirBlanks()
{
    ChosenType program;
    qobject_cast<MainWindow *>(program.shell->currentWindow())->Label2_Click();
    auto &knowledge = *qobject_cast<KnowledgeWindow *>(TopLevel(u"Form10"_s));
    for (int tick = 0; tick < 241; ++tick)
        knowledge.Timer1_Timer();
    QCOMPARE(Face(*knowledge.findChild<QWidget *>(u"Label1"_s)).text(QAccessible::Name),
             u"应用题的基本组成：已知数量+数量关系+所求问题 "_s);
    QCOMPARE(Face(*knowledge.findChild<QWidget *>(u"Label11"_s)).text(QAccessible::Name), u" 使"_s);
}

QTEST_MAIN(AccessibleActionsTest)
#include "accessibleactions_test.moc"
