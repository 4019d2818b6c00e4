// SPDX-License-Identifier: GPL-3.0-or-later
// Key presses that once threw a pupil's work away: a space that landed on "返 回" because the
// focus fell onto it, and arrow keys that pressed the test window's buttons.
#include "exampleswindow.h"
#include "keyboardfixture.h"
#include "mainwindow.h"
#include "practicewindow.h"
#include "testwindow.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList PracticeNavigation{u"Command2"_s, u"Command3"_s, u"Command4"_s};

/// The practice window opened on type 1, its timers stopped, the focus on "开始练习".
PracticeWindow *OpenPractice(KeyboardFixture &program)
{
    if (!program.writeBank() || !program.start())
        return nullptr;
    program.shell->mainWindow().TypeLabel_Click(1);
    auto *practice = qobject_cast<PracticeWindow *>(
        program.shell->handOver(program.shell->currentWindow(), WindowId::Practice));
    KeyboardFixture::stopTimers(practice);
    if (!KeyboardFixture::activate(practice))
        return nullptr;
    return practice;
}

void WriteProblem(PracticeWindow &practice)
{
    for (int tick = 0; tick < 300 && practice.session().problemTyping(); ++tick)
        practice.Timer2_Timer();
}

} // namespace

class KeyboardFaultsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keysWhileAProblemIsWrittenStayInPractice_data();
    void keysWhileAProblemIsWrittenStayInPractice();
    void keysWhileTheSolutionIsWrittenStayInPractice();
    void keysWhileAnExampleIsWrittenStayInTheExamples();
    void arrowKeysOnTheTestButtonsOnlyMoveTheFocus_data();
    void arrowKeysOnTheTestButtonsOnlyMoveTheFocus();
    void everyTestButtonIsReachedWithTab();
};

void KeyboardFaultsTest::keysWhileAProblemIsWrittenStayInPractice_data()
{
    QTest::addColumn<int>("startKey");
    QTest::newRow("space on 开始练习") << int(Qt::Key_Space);
    QTest::newRow("enter on 开始练习") << int(Qt::Key_Return);
}

void KeyboardFaultsTest::keysWhileAProblemIsWrittenStayInPractice()
{
    QFETCH(int, startKey);
    KeyboardFixture program;
    PracticeWindow *practice = OpenPractice(program);
    QVERIFY(practice);
    QVERIFY(KeyboardFixture::tabTo(u"Command1"_s));
    KeyboardFixture::key(Qt::Key(startKey));
    QVERIFY(practice->session().problemTyping());
    QVERIFY2(!PracticeNavigation.contains(KeyboardFixture::focusName()),
             qPrintable(KeyboardFixture::focusName()));

    // A pupil starts the answer early.
    KeyboardFixture::type(u" 128 - 75"_s);
    KeyboardFixture::key(Qt::Key_Return);
    KeyboardFixture::key(Qt::Key_Space);
    QCOMPARE(program.shell->currentWindow(), practice);
    QVERIFY(practice->isVisible());
    QVERIFY(practice->session().problemTyping());

    WriteProblem(*practice);
    QCOMPARE(KeyboardFixture::focusName(), u"Text1"_s);
}

void KeyboardFaultsTest::keysWhileTheSolutionIsWrittenStayInPractice()
{
    KeyboardFixture program;
    PracticeWindow *practice = OpenPractice(program);
    QVERIFY(practice);
    QVERIFY(KeyboardFixture::tabTo(u"Command1"_s));
    KeyboardFixture::key(Qt::Key_Space);
    WriteProblem(*practice);
    KeyboardFixture::type(u"1"_s);
    KeyboardFixture::key(Qt::Key_Return);
    QVERIFY(practice->session().solutionTyping());
    QVERIFY2(!PracticeNavigation.contains(KeyboardFixture::focusName()),
             qPrintable(KeyboardFixture::focusName()));

    KeyboardFixture::type(u" 2 "_s);
    KeyboardFixture::key(Qt::Key_Return);
    QCOMPARE(program.shell->currentWindow(), practice);
    QCOMPARE(practice->session().tally().log().count(u"第"_s), 1);
}

void KeyboardFaultsTest::keysWhileAnExampleIsWrittenStayInTheExamples()
{
    KeyboardFixture program;
    QVERIFY(program.writeBank(5));
    QVERIFY(program.start());
    program.shell->mainWindow().TypeLabel_Click(1);
    auto *examples = qobject_cast<ExamplesWindow *>(
        program.shell->handOver(program.shell->currentWindow(), WindowId::Examples));
    KeyboardFixture::stopTimers(examples);
    QVERIFY(KeyboardFixture::activate(examples));
    QVERIFY(KeyboardFixture::tabTo(u"Command1"_s));

    KeyboardFixture::key(Qt::Key_Space);
    QVERIFY(examples->lesson().problemTyping());
    KeyboardFixture::type(u"  "_s);
    KeyboardFixture::key(Qt::Key_Return);
    QCOMPARE(program.shell->currentWindow(), examples);
    QVERIFY(examples->isVisible());
    QCOMPARE(examples->lesson().exampleNo(), 1);

    for (int tick = 0; tick < 1000 && examples->lesson().problemTyping(); ++tick)
        examples->Timer1_Timer();
    for (int tick = 0; tick < 1000 && examples->lesson().solutionTyping(); ++tick)
        examples->Timer2_Timer();
    // The example written, "下一题" has the focus back: Space goes on.
    QCOMPARE(KeyboardFixture::focusName(), u"Command1"_s);
    KeyboardFixture::key(Qt::Key_Space);
    QCOMPARE(examples->lesson().exampleNo(), 2);
}

void KeyboardFaultsTest::arrowKeysOnTheTestButtonsOnlyMoveTheFocus_data()
{
    QTest::addColumn<QList<int>>("arrows");
    QTest::newRow("down") << QList<int>{Qt::Key_Down};
    QTest::newRow("left, left") << QList<int>{Qt::Key_Left, Qt::Key_Left};
    QTest::newRow("right, right") << QList<int>{Qt::Key_Right, Qt::Key_Right};
    QTest::newRow("up") << QList<int>{Qt::Key_Up};
    QTest::newRow("round the row")
        << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                      Qt::Key_Right, Qt::Key_Down,  Qt::Key_Up,    Qt::Key_Left};
}

void KeyboardFaultsTest::arrowKeysOnTheTestButtonsOnlyMoveTheFocus()
{
    QFETCH(QList<int>, arrows);
    KeyboardFixture program;
    QVERIFY(program.writeBank());
    QVERIFY(program.start());
    program.shell->mainWindow().TypeLabel_Click(1);
    auto *test = qobject_cast<TestWindow *>(
        program.shell->handOver(program.shell->currentWindow(), WindowId::Test));
    KeyboardFixture::stopTimers(test);
    QVERIFY(KeyboardFixture::activate(test));
    QVERIFY(KeyboardFixture::tabTo(u"Option1"_s));
    KeyboardFixture::key(Qt::Key_Space);
    QVERIFY(test->paper().hasPaper());
    const QString paper = test->PaperText();
    KeyboardFixture::type(u"5"_s);
    // Straight to "交  卷": reaching it with Tab is the next test's concern.
    auto *handIn = test->findChild<QPushButton *>(u"Option2"_s);
    handIn->setFocus();
    KeyboardFixture::key(Qt::Key_Space);
    QCOMPARE(test->paper().state(), TestPaper::State::Graded);
    QVERIFY(handIn->isChecked());

    QStringList visited;
    for (int arrow : arrows) {
        KeyboardFixture::key(Qt::Key(arrow));
        visited.append(KeyboardFixture::focusName());
    }
    QCOMPARE(program.shell->currentWindow(), test);
    QVERIFY(test->isVisible());
    QCOMPARE(test->PaperText(), paper);
    QCOMPARE(test->paper().state(), TestPaper::State::Graded);
    QCOMPARE(test->findChild<QLineEdit *>(u"Text2(0)"_s)->text(), u"5"_s);
    QVERIFY(handIn->isChecked());
    QVERIFY2(program.platform.messages.shown.isEmpty(), "nothing was saved or refused");
    QVERIFY2(visited.last() != u"Option2"_s, qPrintable(visited.join(u' ')));
}

void KeyboardFaultsTest::everyTestButtonIsReachedWithTab()
{
    KeyboardFixture program;
    QVERIFY(program.writeBank());
    QVERIFY(program.start());
    program.shell->mainWindow().TypeLabel_Click(1);
    QWidget *test = program.shell->handOver(program.shell->currentWindow(), WindowId::Test);
    KeyboardFixture::stopTimers(test);
    QVERIFY(KeyboardFixture::activate(test));
    QVERIFY(KeyboardFixture::tabTo(u"Option1"_s));
    KeyboardFixture::key(Qt::Key_Space);
    QVERIFY(KeyboardFixture::tabTo(u"Option2"_s));
    KeyboardFixture::key(Qt::Key_Space);

    // After a hand-in the next Tab is "保存试卷", without passing "组  卷".
    KeyboardFixture::key(Qt::Key_Tab);
    QCOMPARE(KeyboardFixture::focusName(), u"Option3"_s);
    QStringList reached;
    for (int i = 0; i < 60; ++i) {
        reached.append(KeyboardFixture::focusName());
        KeyboardFixture::key(Qt::Key_Tab);
    }
    for (const QString &button :
         {u"Option1"_s, u"Option2"_s, u"Option3"_s, u"Option4"_s, u"Option7"_s, u"Option8"_s})
        QVERIFY2(reached.contains(button), qPrintable(button));
    QCOMPARE(program.shell->currentWindow(), test);
}

QTEST_MAIN(KeyboardFaultsTest)
#include "keyboardfaults_test.moc"
