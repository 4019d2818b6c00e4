// SPDX-License-Identifier: GPL-3.0-or-later
// Each window worked with the keyboard: the main window's labels, the basic-knowledge window,
// the practice swatches, the print settings, and the focus shown on every kind of control.
#include "keyboardfixture.h"
#include "knowledgewindow.h"
#include "mainwindow.h"
#include "practicewindow.h"
#include "printingdesk.h"
#include "printsettingswindow.h"
#include "testwindow.h"
#include "units.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace {

using Key = KeyboardFixture;

QWidget *Open(KeyboardFixture &program, WindowId id)
{
    program.shell->mainWindow().TypeLabel_Click(1);
    QWidget *window = program.shell->handOver(program.shell->currentWindow(), id);
    KeyboardFixture::stopTimers(window);
    return KeyboardFixture::activate(window) ? window : nullptr;
}

PrintSettingsWindow *OpenPrintSettings(KeyboardFixture &program)
{
    auto *test = qobject_cast<TestWindow *>(Open(program, WindowId::Test));
    if (!test)
        return nullptr;
    test->yemianshezhi_Click();
    auto *settings = test->findChild<PrintSettingsWindow *>();
    return settings && KeyboardFixture::activate(settings) ? settings : nullptr;
}

/// The control drawn with and without the focus, the focus being elsewhere in its window.
bool FocusChangesTheLook(QWidget &control, QWidget &elsewhere)
{
    elsewhere.setFocus();
    const QImage without = control.grab().toImage();
    control.setFocus();
    return control.hasFocus() && control.grab().toImage() != without;
}

} // namespace

class KeyboardWindowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void aTypeIsChosenWithTheArrowsAndAKey_data();
    void aTypeIsChosenWithTheArrowsAndAKey();
    void modeLabelsAreReachedOnlyOnceEnabled();
    void backReturnsTheFocusToTheTypes();
    void aScreenReaderPressesTheLabels();
    void theBasicKnowledgeClosesWithAKey_data();
    void theBasicKnowledgeClosesWithAKey();
    void theSwatchesAreReachedNamedAndPressed_data();
    void theSwatchesAreReachedNamedAndPressed();
    void printSettingsAcceptWithEnterInABox_data();
    void printSettingsAcceptWithEnterInABox();
    void printSettingsOkAndEscape_data();
    void printSettingsOkAndEscape();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void theFocusShows_data();
    void theFocusShows();
};

void KeyboardWindowsTest::aTypeIsChosenWithTheArrowsAndAKey_data()
{
    QTest::addColumn<int>("downs");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("label");
    QTest::newRow("加减 with space") << 1 << int(Qt::Key_Space) << u"Label4"_s;
    QTest::newRow("乘除 with enter") << 2 << int(Qt::Key_Return) << u"Label5"_s;
    QTest::newRow("分数") << 3 << int(Qt::Key_Space) << u"Label6"_s;
    QTest::newRow("比例") << 4 << int(Qt::Key_Enter) << u"Label7"_s;
    QTest::newRow("综合, up from the top") << -1 << int(Qt::Key_Space) << u"Label8"_s;
}

void KeyboardWindowsTest::aTypeIsChosenWithTheArrowsAndAKey()
{
    QFETCH(int, downs);
    QFETCH(int, key);
    QFETCH(QString, label);
    KeyboardFixture clicked;
    QVERIFY(clicked.start());
    QTest::mouseClick(clicked.shell->mainWindow().findChild<QWidget *>(label), Qt::LeftButton);
    QCOMPARE(clicked.shell->mainWindow().logic().stage(), MainWindowLogic::Stage::Mode);

    KeyboardFixture program;
    QVERIFY(program.start());
    MainWindow &main = program.shell->mainWindow();
    QCOMPARE(Key::focusName(), u"Label2"_s);
    for (int i = 0; i < std::abs(downs); ++i)
        Key::key(downs > 0 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(main.logic().stage(), MainWindowLogic::Stage::Content);
    Key::key(Qt::Key(key));
    QCOMPARE(main.logic().stage(), MainWindowLogic::Stage::Mode);
    QCOMPARE(program.shell->settings().BankFileName, clicked.shell->settings().BankFileName);
    QCOMPARE(program.shell->settings().ExampleSoundPrefix,
             clicked.shell->settings().ExampleSoundPrefix);
    QVERIFY(main.findChild<QWidget *>(u"Frame2"_s)->isVisible());
    QVERIFY(!main.findChild<QWidget *>(u"Frame1"_s)->isVisible());
    // As with a click: no sound, no other window.
    QVERIFY(program.platform.sound.played.isEmpty());
    QCOMPARE(program.shell->currentWindow(), &main);
    QCOMPARE(Key::focusName(), u"Label9"_s);
}

void KeyboardWindowsTest::modeLabelsAreReachedOnlyOnceEnabled()
{
    KeyboardFixture program;
    QVERIFY(program.start());
    QStringList reached;
    for (int i = 0; i < 12; ++i) {
        reached.append(Key::focusName());
        Key::key(Qt::Key_Tab);
    }
    for (const QString &label :
         {u"Label2"_s, u"Label4"_s, u"Label5"_s, u"Label6"_s, u"Label7"_s, u"Label8"_s})
        QVERIFY2(reached.contains(label), qPrintable(label));
    for (const QString &label : {u"Label9"_s, u"Label10"_s, u"Label11"_s, u"Label16"_s})
        QVERIFY2(!reached.contains(label), qPrintable(label));

    Key::key(Qt::Key_Down); // from 基本思想 to 加减应用题
    Key::key(Qt::Key_Space);
    Key::key(Qt::Key_Up); // round to 返回
    Key::key(Qt::Key_Up); // 测试
    QCOMPARE(Key::focusName(), u"Label11"_s);
    Key::key(Qt::Key_Return);
    QCOMPARE(program.shell->currentWindow()->objectName(), u"Form5"_s);
    QCOMPARE(program.platform.sound.played, QStringList{u"d:\\"_s});
}

void KeyboardWindowsTest::backReturnsTheFocusToTheTypes()
{
    KeyboardFixture program;
    QVERIFY(program.start());
    MainWindow &main = program.shell->mainWindow();
    Key::key(Qt::Key_Down);
    Key::key(Qt::Key_Down);
    Key::key(Qt::Key_Space);
    Key::key(Qt::Key_Up);
    QCOMPARE(Key::focusName(), u"Label16"_s);
    Key::key(Qt::Key_Space);
    QCOMPARE(main.logic().stage(), MainWindowLogic::Stage::Content);
    QCOMPARE(program.shell->settings().BankFileName, u"\\tm2.dat"_s);
    QVERIFY(main.findChild<QWidget *>(u"Frame1"_s)->isAncestorOf(QApplication::focusWidget()));
}

void KeyboardWindowsTest::aScreenReaderPressesTheLabels()
{
    KeyboardFixture program;
    QVERIFY(program.start());
    MainWindow &main = program.shell->mainWindow();
    auto press = [&](const QString &name) {
        QAccessibleInterface *face =
            QAccessible::queryAccessibleInterface(main.findChild<QWidget *>(name));
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Button);
        QVERIFY(face->actionInterface());
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(u"Label11"_s); // disabled before a type is chosen
    QCOMPARE(program.shell->currentWindow(), &main);
    press(u"Label7"_s);
    QCOMPARE(program.shell->settings().BankFileName, u"\\tm4.dat"_s);
    QCOMPARE(main.logic().stage(), MainWindowLogic::Stage::Mode);
    press(u"Label9"_s);
    QCOMPARE(program.shell->currentWindow()->objectName(), u"Form3"_s);
    QCOMPARE(program.platform.sound.played, QStringList{u"d:\\"_s});
}

void KeyboardWindowsTest::theBasicKnowledgeClosesWithAKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("escape") << int(Qt::Key_Escape) << true;
    QTest::newRow("enter") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("space") << int(Qt::Key_Space) << true;
    QTest::newRow("a letter") << int(Qt::Key_A) << false;
    QTest::newRow("an arrow") << int(Qt::Key_Down) << false;
}

void KeyboardWindowsTest::theBasicKnowledgeClosesWithAKey()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    KeyboardFixture program;
    QVERIFY(program.start());
    MainWindow &main = program.shell->mainWindow();
    Key::key(Qt::Key_Space); // on 基本思想
    KnowledgeWindow *knowledge = main.knowledgeWindow();
    QVERIFY(knowledge && knowledge->isVisible());
    Key::stopTimers(knowledge);
    QVERIFY(Key::activate(knowledge));
    Key::key(Qt::Key(key));
    QCOMPARE(knowledge->isVisible(), !closes);
    QVERIFY(main.isVisible());
    QCOMPARE(main.logic().stage(), MainWindowLogic::Stage::Content);
}

void KeyboardWindowsTest::theSwatchesAreReachedNamedAndPressed_data()
{
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("colour");
    QTest::newRow("Label6") << u"Label6"_s << u"黄色"_s << Bgr::Yellow;
    QTest::newRow("Label5") << u"Label5"_s << u"橙色"_s << Bgr::Orange;
    QTest::newRow("Label7") << u"Label7"_s << u"绿色"_s << Bgr::Green;
    QTest::newRow("Label8") << u"Label8"_s << u"蓝色"_s << quint32(0x00FF0000);
}

void KeyboardWindowsTest::theSwatchesAreReachedNamedAndPressed()
{
    QFETCH(QString, swatch);
    QFETCH(QString, name);
    QFETCH(quint32, colour);
    KeyboardFixture program;
    QVERIFY(program.start());
    auto *practice = qobject_cast<PracticeWindow *>(Open(program, WindowId::Practice));
    QVERIFY(practice);
    QVERIFY(Key::tabTo(swatch));
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->role(), QAccessible::Button);
    Key::key(Qt::Key_Space);
    QCOMPARE(practice->backColor(), colorFromBgr(colour));
    QVERIFY(practice->picture().isEmpty());
    QCOMPARE(program.shell->currentWindow(), practice);
}

void KeyboardWindowsTest::printSettingsAcceptWithEnterInABox_data()
{
    QTest::addColumn<QString>("box");
    for (const QString &box :
         {u"Combo1"_s, u"Combo2"_s, u"Combo3"_s, u"Combo4"_s, u"Combo5"_s, u"Combo6"_s, u"Text1"_s})
        QTest::newRow(qPrintable(box)) << box;
}

void KeyboardWindowsTest::printSettingsAcceptWithEnterInABox()
{
    QFETCH(QString, box);
    KeyboardFixture program;
    QVERIFY(program.start());
    PrintSettingsWindow *settings = OpenPrintSettings(program);
    QVERIFY(settings);
    QVERIFY(Key::tabTo(box));
    Key::key(Qt::Key_A, Qt::ControlModifier);
    Key::type(u"3"_s);
    Key::key(Qt::Key_Return);
    QVERIFY(!settings->isVisible());
    const PrintSettings texts = settings->settings();
    const QStringList values{texts.fontName,     texts.fontSize,   texts.topMargin,
                             texts.bottomMargin, texts.leftMargin, texts.rightMargin,
                             texts.copies};
    QCOMPARE(values.count(u"3"_s), 1);
}

void KeyboardWindowsTest::printSettingsOkAndEscape_data()
{
    QTest::addColumn<bool>("onOk");
    QTest::addColumn<int>("key");
    QTest::newRow("space on 确定") << true << int(Qt::Key_Space);
    QTest::newRow("enter on 确定") << true << int(Qt::Key_Return);
    QTest::newRow("escape in a box") << false << int(Qt::Key_Escape);
    QTest::newRow("escape on 确定") << true << int(Qt::Key_Escape);
}

void KeyboardWindowsTest::printSettingsOkAndEscape()
{
    QFETCH(bool, onOk);
    QFETCH(int, key);
    KeyboardFixture program;
    QVERIFY(program.start());
    PrintSettingsWindow *settings = OpenPrintSettings(program);
    QVERIFY(settings);
    QVERIFY(Key::tabTo(u"Text1"_s));
    Key::key(Qt::Key_A, Qt::ControlModifier);
    Key::type(u"2"_s);
    if (onOk) {
        Key::key(Qt::Key_Tab);
        QCOMPARE(Key::focusName(), u"Label9"_s);
        QVERIFY(FocusChangesTheLook(*QApplication::focusWidget(),
                                    *settings->findChild<QWidget *>(u"Text1"_s)));
    }
    Key::key(Qt::Key(key));
    QVERIFY(!settings->isVisible());
    // Closed either way, the copies typed stay for the next printing.
    QCOMPARE(settings->settings().copies, u"2"_s);
}

void KeyboardWindowsTest::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("next");
    QTest::newRow("examples: 开始学习") << int(WindowId::Examples) << u"Command1"_s << u"Form3"_s;
    QTest::newRow("examples: 进入测试") << int(WindowId::Examples) << u"Command4"_s << u"Form5"_s;
    QTest::newRow("practice: 进入例题") << int(WindowId::Practice) << u"Command3"_s << u"Form3"_s;
    QTest::newRow("test: 组  卷") << int(WindowId::Test) << u"Option1"_s << u"Form5"_s;
    QTest::newRow("test: 返  回") << int(WindowId::Test) << u"Option8"_s << u"Form1"_s;
}

void KeyboardWindowsTest::enterPressesTheFocusedButton()
{
    QFETCH(int, window);
    QFETCH(QString, button);
    QFETCH(QString, next);
    KeyboardFixture program;
    QVERIFY(program.writeBank());
    QVERIFY(program.start());
    QWidget *shown = Open(program, WindowId(window));
    QVERIFY(shown);
    QVERIFY(Key::tabTo(button));
    Key::key(Qt::Key_Return);
    QCOMPARE(program.shell->currentWindow()->objectName(), next);
    if (button == u"Option1"_s)
        QVERIFY(qobject_cast<TestWindow *>(shown)->paper().hasPaper());
    if (button == u"Command1"_s)
        QVERIFY(!shown->findChild<QWidget *>(button)->isEnabled());
}

void KeyboardWindowsTest::theFocusShows_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("elsewhere");
    const int main = int(WindowId::Main);
    const int examples = int(WindowId::Examples);
    const int practice = int(WindowId::Practice);
    const int test = int(WindowId::Test);
    QTest::newRow("main: type") << main << u"Label4"_s << u"Label2"_s;
    QTest::newRow("main: 基本思想") << main << u"Label2"_s << u"Label8"_s;
    QTest::newRow("examples: 开始学习") << examples << u"Command1"_s << u"Command2"_s;
    QTest::newRow("examples: 返 回") << examples << u"Command2"_s << u"Command1"_s;
    QTest::newRow("practice: 开始练习") << practice << u"Command1"_s << u"Text1"_s;
    QTest::newRow("practice: 进入测试") << practice << u"Command4"_s << u"Text1"_s;
    QTest::newRow("practice: swatch") << practice << u"Label6"_s << u"Text1"_s;
    QTest::newRow("practice: 开") << practice << u"Option3"_s << u"Text1"_s;
    QTest::newRow("practice: answer") << practice << u"Text1"_s << u"Command1"_s;
    QTest::newRow("test: 组  卷") << test << u"Option1"_s << u"Text2(0)"_s;
    QTest::newRow("test: 保存试卷") << test << u"Option3"_s << u"Text2(0)"_s;
    QTest::newRow("test: answer") << test << u"Text2(0)"_s << u"Option1"_s;
    QTest::newRow("test: 开") << test << u"Option5"_s << u"Option1"_s;
}

void KeyboardWindowsTest::theFocusShows()
{
    QFETCH(int, window);
    QFETCH(QString, control);
    QFETCH(QString, elsewhere);
    KeyboardFixture program;
    QVERIFY(program.start());
    QWidget *shown = WindowId(window) == WindowId::Main ? program.shell->currentWindow()
                                                        : Open(program, WindowId(window));
    QVERIFY(shown);
    auto *target = shown->findChild<QWidget *>(control);
    auto *other = shown->findChild<QWidget *>(elsewhere);
    QVERIFY(target && other);
    QVERIFY(FocusChangesTheLook(*target, *other));
}

QTEST_MAIN(KeyboardWindowsTest)
#include "keyboardwindows_test.moc"
