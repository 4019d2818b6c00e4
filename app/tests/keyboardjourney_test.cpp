// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil who cannot use a mouse goes the whole way with the keyboard alone: the main window,
// a practice round, a test composed, answered, handed in and saved, the print settings and the
// preview. Stray keys on the way close no window and change no paper.
#include "keyboardfixture.h"
#include "mainwindow.h"
#include "papersaver.h"
#include "practicewindow.h"
#include "previewwindow.h"
#include "printsettingswindow.h"
#include "testwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

using Key = KeyboardFixture;

/// Keys a pupil may hit by chance where the focus stands: letters, a blank and the arrows.
const QList<Qt::Key> StrayKeys{Qt::Key_A,  Qt::Key_1,     Qt::Key_Space, Qt::Key_Left,
                               Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};

/// Types the stray keys that press nothing where the focus is: a space presses a button, so
/// it is left out on buttons.
void TypeStrayKeys(bool onAButton)
{
    for (Qt::Key key : StrayKeys) {
        if (!(onAButton && key == Qt::Key_Space))
            Key::key(key);
    }
}

template <class Window> Window *Opened(KeyboardFixture &program)
{
    auto *window = qobject_cast<Window *>(program.shell->currentWindow());
    KeyboardFixture::stopTimers(window);
    if (!window || !KeyboardFixture::activate(window))
        return nullptr;
    return window;
}

template <class Window> Window *Beside(QWidget &owner)
{
    for (Window *window : owner.findChildren<Window *>()) {
        if (window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

class KeyboardJourneyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void fromTheMainWindowToThePreview();

private:
    void chooseTypeAndPractice();
    void practiceARound(PracticeWindow &practice);
    void composeAnswerAndHandIn(TestWindow &test);
    void save(TestWindow &test);
    void printSettings(TestWindow &test);
    void preview(TestWindow &test);

    std::unique_ptr<KeyboardFixture> m_program;
};

void KeyboardJourneyTest::fromTheMainWindowToThePreview()
{
    m_program = std::make_unique<KeyboardFixture>();
    QVERIFY(m_program->writeBank());
    QVERIFY(m_program->start());
    chooseTypeAndPractice();
    if (QTest::currentTestFailed())
        return;
    auto *practice = Opened<PracticeWindow>(*m_program);
    QVERIFY(practice);
    practiceARound(*practice);
    if (QTest::currentTestFailed())
        return;

    QVERIFY(Key::tabTo(u"Command4"_s));
    Key::key(Qt::Key_Space);
    auto *test = Opened<TestWindow>(*m_program);
    QVERIFY(test);
    composeAnswerAndHandIn(*test);
    if (QTest::currentTestFailed())
        return;
    save(*test);
    if (QTest::currentTestFailed())
        return;
    printSettings(*test);
    if (QTest::currentTestFailed())
        return;
    preview(*test);
    m_program.reset();
}

void KeyboardJourneyTest::chooseTypeAndPractice()
{
    MainWindow &main = m_program->shell->mainWindow();
    QCOMPARE(Key::focusName(), u"Label2"_s);
    Key::key(Qt::Key_Down);
    QCOMPARE(Key::focusName(), u"Label4"_s);
    Key::type(u"ab1"_s);
    QCOMPARE(main.logic().stage(), MainWindowLogic::Stage::Content);
    Key::key(Qt::Key_Space);
    QCOMPARE(main.logic().stage(), MainWindowLogic::Stage::Mode);
    QCOMPARE(m_program->shell->settings().BankFileName, u"\\tm1.dat"_s);
    QCOMPARE(Key::focusName(), u"Label9"_s);
    Key::key(Qt::Key_Down);
    QCOMPARE(Key::focusName(), u"Label10"_s);
    QCOMPARE(m_program->shell->currentWindow(), &main);
    Key::key(Qt::Key_Return);
    QCOMPARE(m_program->shell->currentWindow()->objectName(), u"Form4"_s);
    QCOMPARE(m_program->platform.sound.played, QStringList{u"d:\\"_s});
}

void KeyboardJourneyTest::practiceARound(PracticeWindow &practice)
{
    QCOMPARE(Key::focusName(), u"Text1"_s);
    Key::key(Qt::Key_Tab);
    QCOMPARE(Key::focusName(), u"Command1"_s);
    Key::key(Qt::Key_Space);
    QVERIFY(practice.session().problemTyping());
    // The pupil starts the answer before the problem is written out.
    Key::type(u" 128 - 75"_s);
    TypeStrayKeys(false);
    QCOMPARE(m_program->shell->currentWindow(), &practice);
    QVERIFY(practice.session().problemTyping());

    for (int round = 0; round < 2; ++round) {
        for (int tick = 0; tick < 300 && practice.session().problemTyping(); ++tick)
            practice.Timer2_Timer();
        QCOMPARE(Key::focusName(), u"Text1"_s);
        // The first answer is right, the second wrong.
        const int record = practice.session().problemNo();
        Key::type(round == 0 ? KeyboardFixture::AnswerFor(record) : u"1"_s);
        Key::key(Qt::Key_Return);
        for (int tick = 0; tick < 300 && practice.session().solutionTyping(); ++tick) {
            if (tick == 3)
                TypeStrayKeys(false);
            practice.Timer3_Timer();
        }
        QCOMPARE(Key::focusName(), u"Command1"_s);
        if (round == 0)
            Key::key(Qt::Key_Return);
    }
    QCOMPARE(practice.session().tally().RightCount(), 1);
    QCOMPARE(m_program->shell->currentWindow(), &practice);
}

void KeyboardJourneyTest::composeAnswerAndHandIn(TestWindow &test)
{
    QVERIFY(Key::tabTo(u"Option1"_s));
    Key::key(Qt::Key_Space);
    QVERIFY(test.paper().hasPaper());
    QCOMPARE(Key::focusName(), u"Text2(0)"_s);
    const QString paper = test.PaperText();
    for (int k = 1; k <= PaperProblems; ++k) {
        Key::type(KeyboardFixture::AnswerFor(test.paper().PaperRecordNumbers()[k]));
        Key::key(Qt::Key_Return);
    }
    QCOMPARE(Key::focusName(), u"Text2(9)"_s);
    Key::key(Qt::Key_Tab);
    QCOMPARE(Key::focusName(), u"Option1"_s);
    TypeStrayKeys(true);
    QVERIFY(Key::tabTo(u"Option2"_s));
    Key::key(Qt::Key_Space);
    QCOMPARE(test.paper().state(), TestPaper::State::Graded);
    QCOMPARE(test.paper().Score(), 100);
    TypeStrayKeys(true);
    QCOMPARE(m_program->shell->currentWindow(), &test);
    QCOMPARE(test.PaperText(), paper);
    QCOMPARE(test.paper().state(), TestPaper::State::Graded);
}

void KeyboardJourneyTest::save(TestWindow &test)
{
    QVERIFY(PaperStore::DocumentsFolder().startsWith(m_program->folder.path()));
    QVERIFY(Key::tabTo(u"Text3"_s));
    Key::key(Qt::Key_A, Qt::ControlModifier);
    Key::type(u"keyboard-paper"_s);
    QVERIFY(Key::tabTo(u"Option3"_s));
    Key::key(Qt::Key_Space);
    QFile saved(PaperStore::DocumentsFolder() + u"/keyboard-paper.doc"_s);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray written = saved.readAll();
    QCOMPARE(written, GbkWithSubstitutes(test.PaperText()));
    TypeStrayKeys(true);
    QCOMPARE(m_program->shell->currentWindow(), &test);
    saved.seek(0);
    QCOMPARE(saved.readAll(), written);
}

void KeyboardJourneyTest::printSettings(TestWindow &test)
{
    Key::alt();
    Key::key(Qt::Key_Right);
    Key::key(Qt::Key_Return);
    auto *settings = Beside<PrintSettingsWindow>(test);
    QVERIFY(settings);
    QVERIFY(Key::activate(settings));
    QCOMPARE(Key::focusName(), u"Combo1"_s);
    QVERIFY(Key::tabTo(u"Label9"_s));
    TypeStrayKeys(true);
    QVERIFY(settings->isVisible());
    Key::key(Qt::Key_Space);
    QVERIFY(!settings->isVisible());
    QCOMPARE(settings->settings().fontName, u"宋体"_s);
}

void KeyboardJourneyTest::preview(TestWindow &test)
{
    const QString paper = test.PaperText();
    QVERIFY(Key::activate(&test));
    Key::alt();
    Key::key(Qt::Key_Return);
    auto *preview = Beside<PreviewWindow>(test);
    QVERIFY(preview);
    QVERIFY(Key::activate(preview));
    QCOMPARE(preview->preview().pageScale(), 100);

    // 比例, open, down from 80% past 100% to 120%.
    Key::alt();
    Key::key(Qt::Key_Down);
    Key::key(Qt::Key_Down);
    Key::key(Qt::Key_Down);
    Key::key(Qt::Key_Return);
    QCOMPARE(preview->preview().pageScale(), 120);
    QVERIFY(preview->scaleItem(120)->isChecked());

    // Along the menu bar, past 答案, to 取消.
    Key::alt();
    for (int i = 0; i < 4; ++i)
        Key::key(Qt::Key_Right);
    Key::key(Qt::Key_Return);
    QVERIFY(!preview->isVisible());
    QCOMPARE(m_program->shell->currentWindow(), &test);
    QCOMPARE(test.PaperText(), paper);
}

QTEST_MAIN(KeyboardJourneyTest)
#include "keyboardjourney_test.moc"
