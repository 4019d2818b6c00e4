// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard helpers: labels that act as buttons, arrows that only move the focus, latching
// buttons that all stay in the tab order, and the focus kept off buttons that lead away.
#include "actionlabel.h"
#include "keyboard.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A window with a row of three action labels and a line edit after them.
struct LabelRow {
    LabelRow()
    {
        for (int i = 0; i < 3; ++i) {
            labels[i] = new ActionLabel(u"Label%1"_s.arg(i), &window);
            labels[i]->setCaption(u"选择%1"_s.arg(i));
            labels[i]->setGeometry(10, 10 + 40 * i, 100, 30);
            arrows->add(labels[i]);
        }
        box = new QLineEdit(&window);
        box->setGeometry(10, 150, 100, 30);
        window.resize(200, 200);
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QWidget window;
    ActionLabel *labels[3]{};
    QLineEdit *box = nullptr;
    ArrowKeyFocus *arrows = new ArrowKeyFocus(&window);
};

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anActionLabelIsPressedWithSpaceOrEnter_data();
    void anActionLabelIsPressedWithSpaceOrEnter();
    void aDisabledActionLabelIsNotPressed();
    void aClickDoesNotTakeTheFocus();
    void aScreenReaderSeesAButtonItCanPress();
    void theFocusShows();
    void arrowsMoveRoundTheGroupAndPassOverHiddenOnes();
    void latchingButtonsStayInTheTabOrderAndArrowsPressNothing();
    void aDisabledFocusGoesToTheHarbour();
};

void KeyboardTest::anActionLabelIsPressedWithSpaceOrEnter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("presses");
    QTest::newRow("space") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
    QTest::newRow("return") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 0;
    QTest::newRow("ctrl+return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
    QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 0;
}

void KeyboardTest::anActionLabelIsPressedWithSpaceOrEnter()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, presses);
    LabelRow row;
    QVERIFY(QTest::qWaitForWindowActive(&row.window));
    row.labels[1]->setFocus();
    QSignalSpy clicked(row.labels[1], &CaptionLabel::clicked);
    QTest::keyClick(row.labels[1], Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.size(), presses);
}

void KeyboardTest::aDisabledActionLabelIsNotPressed()
{
    LabelRow row;
    QSignalSpy clicked(row.labels[0], &CaptionLabel::clicked);
    row.labels[0]->setEnabled(false);
    row.labels[0]->press();
    QCOMPARE(clicked.size(), 0);
    row.labels[0]->setEnabled(true);
    row.labels[0]->press();
    QCOMPARE(clicked.size(), 1);
}

void KeyboardTest::aClickDoesNotTakeTheFocus()
{
    LabelRow row;
    QVERIFY(QTest::qWaitForWindowActive(&row.window));
    row.box->setFocus();
    QSignalSpy clicked(row.labels[2], &CaptionLabel::clicked);
    QTest::mouseClick(row.labels[2], Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
    QVERIFY(row.box->hasFocus());
    // Tab reaches it all the same.
    row.labels[1]->setFocus();
    QTest::keyClick(row.labels[1], Qt::Key_Tab);
    QVERIFY(row.labels[2]->hasFocus());
}

void KeyboardTest::aScreenReaderSeesAButtonItCanPress()
{
    LabelRow row;
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(row.labels[0]);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), u"选择0"_s);
    QAccessibleActionInterface *actions = face->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicked(row.labels[0], &CaptionLabel::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.size(), 1);
    row.labels[0]->setEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.size(), 1);
}

void KeyboardTest::theFocusShows()
{
    LabelRow row;
    QVERIFY(QTest::qWaitForWindowActive(&row.window));
    auto *button = new QPushButton(u"组  卷"_s, &row.window);
    button->setStyleSheet(u"QPushButton { background: #ff8000; color: #ff0000; }"_s +
                          ButtonFocusStyle());
    button->setGeometry(120, 10, 70, 30);
    button->show();
    row.box->setFocus();
    const QImage labelUnfocused = row.labels[0]->grab().toImage();
    const QImage buttonUnfocused = button->grab().toImage();
    row.labels[0]->setFocus();
    QVERIFY(row.labels[0]->grab().toImage() != labelUnfocused);
    button->setFocus();
    QVERIFY(button->grab().toImage() != buttonUnfocused);
}

void KeyboardTest::arrowsMoveRoundTheGroupAndPassOverHiddenOnes()
{
    LabelRow row;
    QVERIFY(QTest::qWaitForWindowActive(&row.window));
    row.labels[0]->setFocus();
    QSignalSpy clicked(row.labels[1], &CaptionLabel::clicked);
    QTest::keyClick(row.labels[0], Qt::Key_Down);
    QVERIFY(row.labels[1]->hasFocus());
    QTest::keyClick(row.labels[1], Qt::Key_Right);
    QVERIFY(row.labels[2]->hasFocus());
    QTest::keyClick(row.labels[2], Qt::Key_Down);
    QVERIFY(row.labels[0]->hasFocus());
    QTest::keyClick(row.labels[0], Qt::Key_Up);
    QVERIFY(row.labels[2]->hasFocus());
    row.labels[1]->hide();
    QTest::keyClick(row.labels[2], Qt::Key_Left);
    QVERIFY(row.labels[0]->hasFocus());
    QCOMPARE(clicked.size(), 0);
}

void KeyboardTest::latchingButtonsStayInTheTabOrderAndArrowsPressNothing()
{
    QWidget window;
    LatchingButtons latching(&window);
    QPushButton *buttons[3];
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new QPushButton(u"按钮%1"_s.arg(i), &window);
        buttons[i]->setGeometry(10 + 80 * i, 10, 70, 30);
        latching.add(buttons[i]);
    }
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::mouseClick(buttons[1], Qt::LeftButton);
    QVERIFY(buttons[1]->isChecked());
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    QVERIFY2(buttons[1]->isChecked(), "the button down stays down");
    QSignalSpy pressed(buttons[2], &QAbstractButton::clicked);
    buttons[1]->setFocus();
    QTest::keyClick(buttons[1], Qt::Key_Right);
    QVERIFY(buttons[2]->hasFocus());
    QCOMPARE(pressed.size(), 0);
    QVERIFY(buttons[1]->isChecked());
    QTest::keyClick(buttons[2], Qt::Key_Space);
    QCOMPARE(pressed.size(), 1);
    QVERIFY(buttons[2]->isChecked() && !buttons[1]->isChecked());
    for (QPushButton *button : buttons)
        QVERIFY(button->focusPolicy() & Qt::TabFocus);
    buttons[0]->setFocus();
    QTest::keyClick(buttons[0], Qt::Key_Tab);
    QVERIFY(buttons[1]->hasFocus());
    latching.releaseAll();
    for (QPushButton *button : buttons)
        QVERIFY(!button->isChecked());
}

void KeyboardTest::aDisabledFocusGoesToTheHarbour()
{
    QWidget window;
    auto *next = new QPushButton(u"开始"_s, &window);
    auto *back = new QPushButton(u"返 回"_s, &window);
    auto *display = new QWidget(&window);
    next->setGeometry(10, 10, 70, 30);
    back->setGeometry(90, 10, 70, 30);
    display->setGeometry(10, 50, 150, 50);
    new FocusKeeper(window, [display] { return display; });
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    next->setFocus();
    next->setEnabled(false);
    QVERIFY(display->hasFocus());
    QSignalSpy backPressed(back, &QAbstractButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(backPressed.size(), 0);
    // The pupil's own Tab still reaches the button.
    back->setFocus();
    QVERIFY(back->hasFocus());
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
