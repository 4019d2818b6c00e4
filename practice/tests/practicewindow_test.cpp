// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"
#include "mistakes.h"
#include "practicewindow.h"
#include "precisetimer.h"
#include "recordingservices.h"
#include "testbanks.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The owner of the windows, as far as the practice window sees it: the settings, and a
/// record of every hand-over asked for.
class FakeHost final : public WindowHost {
public:
    explicit FakeHost(ProgramSettings settings) : m_settings(std::move(settings)) {}
    const ProgramSettings &settings() const override { return m_settings; }
    QWidget *handOver(QWidget *leaving, WindowId next) override
    {
        handOvers.append(next);
        if (leaving)
            leaving->close();
        return nullptr;
    }
    void endProgram() override {}

    QList<WindowId> handOvers;

private:
    ProgramSettings m_settings;
};

struct Fixture {
    Fixture()
    {
        folder.writeBank(
            {{u"一本书有128页，看了75页，还剩多少页？"_s,
              u"数量关系：总页数-看了的页数=剩下的页数。列式：128-75=53（页）。"_s, u"53"_s},
             {u"小明有3盒笔，每盒4支，一共多少支？"_s, u"列式：3*4=12（支）。"_s, u"12"_s}});
        window.load();
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window did not become active");
    }

    template <typename T> T &control(const QString &name)
    {
        T *found = window.findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return *found;
    }
    QString caption(const QString &label) { return control<CaptionLabel>(label).caption(); }
    bool shown(const QString &name) { return control<QWidget>(name).isVisibleTo(&window); }

    /// Clicks Command1 and ticks Timer2 until the answer box opens.
    void startAndWriteProblem()
    {
        QTest::mouseClick(&control<QPushButton>(u"Command1"_s), Qt::LeftButton);
        for (int tick = 0; tick < 300 && !control<QLineEdit>(u"Text1"_s).isEnabled(); ++tick)
            window.Timer2_Timer();
    }
    void answer(const QString &line)
    {
        QLineEdit &box = control<QLineEdit>(u"Text1"_s);
        QTest::keyClicks(&box, line);
        QTest::keyClick(&box, Qt::Key_Return);
    }

    TestFolder folder;
    FakeHost host{folder.settings()};
    RecordingServices services;
    PracticeWindow window{host, services.services()};
};

} // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void theWindowFillsTheScreen();
    void aRightAnswer();
    void aWrongAnswerBringsTheSolution();
    void enterBeforeAProblemDoesNothing();
    void anEmptyBankIsReported();
    void theAnswerBoxTakesTwoHundredCharacters();
    void aHintShowsBesideAWrongVerdict_data();
    void aHintShowsBesideAWrongVerdict();
    void aTypicalMistakeIsExplainedBesideTheVerdict_data();
    void aTypicalMistakeIsExplainedBesideTheVerdict();
    void theClockRunsFromLoad();
    void theSoundChoiceSurvivesReopening();
    void aSwatchReplacesTheBackground_data();
    void aSwatchReplacesTheBackground();
    void aRightPressDisablesTheProblemLog();
    void navigation_data();
    void navigation();
    void reopeningStartsAFreshPractice();
};

void PracticeWindowTest::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Label9") << u"Label9"_s << u"列算式或方程\n（未知数用x）"_s;
    QTest::newRow("Label15") << u"Label15"_s << u"（输入完后按enter键提交答案）"_s;
    QTest::newRow("Label10") << u"Label10"_s << QString();
    QTest::newRow("Label11") << u"Label11"_s << u"做题数："_s;
    QTest::newRow("Label12") << u"Label12"_s << u"对题数："_s;
    QTest::newRow("Label14") << u"Label14"_s << u"对题率："_s;
    QTest::newRow("Label1") << u"Label1"_s << u"练习统计"_s;
    QTest::newRow("Label2") << u"Label2"_s << u"习  题  积  累"_s;
    QTest::newRow("Label3") << u"Label3"_s << u"0分0秒"_s;
    QTest::newRow("Command1") << u"Command1"_s << u"开始练习"_s;
    QTest::newRow("Command2") << u"Command2"_s << u"返 回"_s;
    QTest::newRow("Command3") << u"Command3"_s << u"进入例题"_s;
    QTest::newRow("Command4") << u"Command4"_s << u"进入测试"_s;
    QTest::newRow("Option3") << u"Option3"_s << u"开"_s;
    QTest::newRow("Option4") << u"Option4"_s << u"关"_s;
    QTest::newRow("Frame5") << u"Frame5"_s << u"解答提示"_s;
    QTest::newRow("Frame3") << u"Frame3"_s << u"背景选择"_s;
    QTest::newRow("Frame4") << u"Frame4"_s << u"练习时间"_s;
    QTest::newRow("Frame2") << u"Frame2"_s << u"声音开关"_s;
    for (const char16_t *name : {u"Pic1", u"Pic2", u"Text1", u"Text3", u"Text4", u"Frame1",
                                 u"Label5", u"Label6", u"Label7", u"Label8"}) {
        const QString control = QString::fromUtf16(name);
        QTest::newRow(qPrintable(control)) << control << QString();
    }
}

void PracticeWindowTest::controlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Fixture f;
    QCOMPARE(f.window.objectName(), u"Form4"_s);
    QCOMPARE(f.window.windowTitle(), u"Lumaro    应用题练习"_s);
    QWidget &control = f.control<QWidget>(name);
    if (auto *label = qobject_cast<CaptionLabel *>(&control))
        QCOMPARE(label->caption(), caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(&control))
        QCOMPARE(button->text(), caption);
    else if (auto *frame = qobject_cast<CaptionFrame *>(&control))
        QCOMPARE(frame->caption(), caption);
    for (const char16_t *timer : {u"Timer1", u"Timer2", u"Timer3"})
        QVERIFY(f.window.findChild<PreciseTimer *>(QString::fromUtf16(timer)));
}

void PracticeWindowTest::theWindowFillsTheScreen()
{
    Fixture f;
    const QRect screen = f.window.screen()->availableGeometry();
    QVERIFY(qAbs(f.window.width() - screen.width()) <= 8);
    QVERIFY(qAbs(f.window.height() - screen.height()) <= 8);
    // The window shows its 1024 × 768 design scaled whole and centred, whatever the desktop
    // leaves of the screen.
    f.window.setWindowState(Qt::WindowNoState);
    for (const QSize size : {QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768)}) {
        f.window.resize(size);
        QCoreApplication::processEvents();
        const double scale = std::min(size.width() / 1024.0, size.height() / 768.0);
        const QPoint origin((size.width() - qRound(1024 * scale)) / 2,
                            (size.height() - qRound(768 * scale)) / 2);
        auto at = [&](const QWidget &control) { return control.mapTo(&f.window, QPoint()); };
        const QWidget &pic1 = f.control<QWidget>(u"Pic1"_s);
        QCOMPARE(at(pic1), origin + QPoint(qRound(16 * scale), qRound(16 * scale)));
        QVERIFY(qAbs(pic1.width() - 512 * scale) <= 1);
        const QWidget &command1 = f.control<QWidget>(u"Command1"_s);
        const QPointF designed(1024 - 4000 / 15.0, 768 - 2800 / 15.0);
        QVERIFY((QPointF(at(command1) - origin) - designed * scale).manhattanLength() <= 2);
        for (QWidget *control : f.window.findChildren<QWidget *>()) {
            if (control->isVisibleTo(&f.window) && !control->objectName().isEmpty())
                QVERIFY2(f.window.rect().contains(QRect(at(*control), control->size())),
                         qPrintable(control->objectName()));
        }
    }
}

void PracticeWindowTest::aRightAnswer()
{
    Fixture f;
    f.startAndWriteProblem();
    QLineEdit &text1 = f.control<QLineEdit>(u"Text1"_s);
    QVERIFY(text1.isEnabled());
    QVERIFY(text1.hasFocus());
    QVERIFY(!f.shown(u"Pic3"_s));
    QCOMPARE(f.control<QPlainTextEdit>(u"Text3"_s).toPlainText(),
             u"\n 1、一本书有128页，看了75页，还剩多少页？"_s);
    QCOMPARE(f.caption(u"Label11"_s), u"做题数：1"_s);
    f.answer(u"128-75"_s);
    QCOMPARE(f.caption(u"Label10"_s), u"√"_s);
    QVERIFY(f.shown(u"Image1"_s));
    QVERIFY(!f.shown(u"Image2"_s));
    QVERIFY(!f.shown(u"Pic4"_s));
    QVERIFY(!text1.isEnabled());
    QVERIFY(f.control<QPushButton>(u"Command1"_s).isEnabled());
    QCOMPARE(f.control<QPushButton>(u"Command1"_s).text(), u"继续练习"_s);
    QCOMPARE(f.caption(u"Label12"_s), u"对题数：1"_s);
    QCOMPARE(f.caption(u"Label14"_s), u"对题率：100%"_s);
    QCOMPARE(f.control<QPlainTextEdit>(u"Text4"_s).toPlainText(), u"第1题对\n"_s);
    QVERIFY(!f.window.findChild<PreciseTimer *>(u"Timer3"_s)->isActive());

    // The keyboard goes on: Enter on the next-step button starts the next problem.
    QPushButton &command1 = f.control<QPushButton>(u"Command1"_s);
    QVERIFY(command1.hasFocus());
    QTest::keyClick(&command1, Qt::Key_Return);
    QCOMPARE(f.caption(u"Label11"_s), u"做题数：2"_s);
}

void PracticeWindowTest::aWrongAnswerBringsTheSolution()
{
    Fixture f;
    f.startAndWriteProblem();
    f.answer(u"128+75"_s);
    QCOMPARE(f.caption(u"Label10"_s), u"×"_s);
    QVERIFY(f.shown(u"Image2"_s));
    QVERIFY(!f.shown(u"Image1"_s));
    QVERIFY(f.shown(u"Pic4"_s));
    QVERIFY(f.window.findChild<PreciseTimer *>(u"Timer3"_s)->isActive());
    QPushButton &command1 = f.control<QPushButton>(u"Command1"_s);
    int ticks = 0;
    while (!command1.isEnabled() && ticks < 300) {
        QVERIFY(!f.control<QLineEdit>(u"Text1"_s).isEnabled());
        f.window.Timer3_Timer();
        ++ticks;
    }
    const QString solution = u"数量关系：总页数-看了的页数=剩下的页数。列式：128-75=53（页）。"_s;
    QCOMPARE(ticks, solution.size() + 2);
    QVERIFY(!f.shown(u"Pic4"_s));
    QVERIFY(!f.window.findChild<PreciseTimer *>(u"Timer3"_s)->isActive());
    QVERIFY(command1.hasFocus());
    QCOMPARE(f.control<QPlainTextEdit>(u"Text4"_s).toPlainText(), u"第1题错\n"_s);
    QCOMPARE(f.caption(u"Label14"_s), u"对题率：0%"_s);

    // The next problem clears both boxes, the mark and the face.
    f.startAndWriteProblem();
    QCOMPARE(f.caption(u"Label10"_s), QString());
    QVERIFY(!f.shown(u"Image2"_s));
    QVERIFY(f.window.session().solutionSurface().runs().empty());
    QCOMPARE(f.control<QLineEdit>(u"Text1"_s).text(), QString());
    QCOMPARE(f.caption(u"Label11"_s), u"做题数：2"_s);
}

void PracticeWindowTest::enterBeforeAProblemDoesNothing()
{
    Fixture f;
    QLineEdit &text1 = f.control<QLineEdit>(u"Text1"_s);
    QVERIFY(text1.isEnabled());
    QVERIFY(text1.hasFocus()); // as the window opens
    f.answer(u"53"_s);
    QCOMPARE(f.caption(u"Label10"_s), QString());
    QVERIFY(f.control<QPlainTextEdit>(u"Text4"_s).toPlainText().isEmpty());
    QVERIFY(!f.window.findChild<PreciseTimer *>(u"Timer3"_s)->isActive());
    QVERIFY(f.services.messages.shown.isEmpty());
}

void PracticeWindowTest::anEmptyBankIsReported()
{
    Fixture f;
    f.folder.writeBankBytes(QByteArray());
    f.window.Command1_Click();
    QCOMPARE(f.services.messages.shown.size(), 1);
    QCOMPARE(f.services.messages.shown.first().title, u"操作提示"_s);
    QVERIFY(f.control<QPushButton>(u"Command1"_s).isEnabled());
    QCOMPARE(f.control<QPushButton>(u"Command1"_s).text(), u"开始练习"_s);
    QVERIFY(!f.window.findChild<PreciseTimer *>(u"Timer2"_s)->isActive());
    QVERIFY(!f.shown(u"Pic3"_s));
}

void PracticeWindowTest::theAnswerBoxTakesTwoHundredCharacters()
{
    Fixture f;
    f.startAndWriteProblem();
    QLineEdit &text1 = f.control<QLineEdit>(u"Text1"_s);
    QTest::keyClicks(&text1, QString(250, u'1'));
    QCOMPARE(text1.text().size(), 200);
}

void PracticeWindowTest::aHintShowsBesideAWrongVerdict_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("hint");
    QTest::newRow("input method") << u"60／80"_s
                                  << u"提示：请用英文输入法输入 + - * / ( ) 和数字"_s;
    QTest::newRow("full-width minus")
        << u"1－0.25"_s << u"提示：请用英文输入法输入 + - * / ( ) 和数字"_s;
    QTest::newRow("decimal comma") << u"0,75"_s << u"提示：小数点要用 . 输入"_s;
    QTest::newRow("left-out sign") << u"80x=60"_s << u"提示：乘号不能省略，80x 要写成 80*x"_s;
    QTest::newRow("bare percentage") << u"75"_s << u"提示：百分数要写成 75%"_s;
    QTest::newRow("no hint") << u"80/60"_s << QString();
}

void PracticeWindowTest::aHintShowsBesideAWrongVerdict()
{
    QFETCH(QString, line);
    QFETCH(QString, hint);
    Fixture f;
    f.folder.writeBank(
        {{u"一个台灯原价80元，现在卖60元，现价是原价的百分之几？"_s, u"列式：60/80=75%。"_s,
          u"0.75"_s},
         {u"小明有3盒笔，每盒4支，一共多少支？"_s, u"列式：3*4=12（支）。"_s, u"12"_s}});
    f.startAndWriteProblem();
    // As an input method commits its text: no key events for the full-width characters.
    QLineEdit &box = f.control<QLineEdit>(u"Text1"_s);
    box.setText(line);
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(f.caption(u"Label10"_s), u"×"_s);
    QCOMPARE(f.caption(u"InputHint"_s), hint);
    QVERIFY(hint.isEmpty() || f.shown(u"InputHint"_s));
    // The hint stays while the solution is written, and goes with the next problem.
    for (int tick = 0; tick < 300 && !f.control<QPushButton>(u"Command1"_s).isEnabled(); ++tick)
        f.window.Timer3_Timer();
    QCOMPARE(f.caption(u"InputHint"_s), hint);
    f.startAndWriteProblem();
    QVERIFY(f.caption(u"InputHint"_s).isEmpty());
}

void PracticeWindowTest::aTypicalMistakeIsExplainedBesideTheVerdict_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("note");
    const QString added = u"还剩的页数要用减法，不能用加法。"_s;
    const QString reversed = u"要用总页数减去看了的页数。"_s;
    QTest::newRow("the wrong line itself") << u"128+75"_s << added;
    QTest::newRow("its value") << u"203"_s << added;
    QTest::newRow("its value in an equation") << u"x-75=128"_s << added;
    QTest::newRow("the second wrong line") << u"75-128"_s << reversed;
    QTest::newRow("another wrong line") << u"128*75"_s << QString();
    // Typed with an input method on, the line was not read as meant: the hint comes first.
    QTest::newRow("input method") << u"128＋75"_s
                                  << u"提示：请用英文输入法输入 + - * / ( ) 和数字"_s;
    QTest::newRow("right") << u"128-75"_s << QString();
}

void PracticeWindowTest::aTypicalMistakeIsExplainedBesideTheVerdict()
{
    QFETCH(QString, line);
    QFETCH(QString, note);
    Fixture f;
    QFile bank(f.folder.bankPath());
    QVERIFY(bank.open(QIODevice::ReadOnly));
    const QList<MistakeNote> notes = {{2, u"128+75"_s, u"还剩的页数要用减法，不能用加法。"_s},
                                      {2, u"75-128"_s, u"要用总页数减去看了的页数。"_s},
                                      {3, u"3+4"_s, u"3盒每盒4支，要用乘法。"_s}};
    QFile file(MistakesPath(f.folder.bankPath()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(MistakesFileBytes(notes, bank.readAll()));
    file.close();
    f.startAndWriteProblem();
    QLineEdit &box = f.control<QLineEdit>(u"Text1"_s);
    box.setText(line);
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(f.caption(u"InputHint"_s), note);
    QVERIFY(note.isEmpty() || f.shown(u"InputHint"_s));
    // It stays while the solution is written, and goes with the next problem.
    for (int tick = 0; tick < 300 && !f.control<QPushButton>(u"Command1"_s).isEnabled(); ++tick)
        f.window.Timer3_Timer();
    QCOMPARE(f.caption(u"InputHint"_s), note);
    f.startAndWriteProblem();
    QVERIFY(f.caption(u"InputHint"_s).isEmpty());
}

void PracticeWindowTest::theClockRunsFromLoad()
{
    Fixture f;
    QVERIFY(f.window.findChild<PreciseTimer *>(u"Timer1"_s)->isActive());
    QCOMPARE(f.window.findChild<PreciseTimer *>(u"Timer1"_s)->interval(), 1000);
    for (int second = 0; second < 61; ++second)
        f.window.Timer1_Timer();
    QCOMPARE(f.caption(u"Label3"_s), u"1分1秒"_s);
}

void PracticeWindowTest::theSoundChoiceSurvivesReopening()
{
    Fixture f;
    QVERIFY(f.control<QRadioButton>(u"Option4"_s).isChecked());
    QTest::mouseClick(&f.control<QRadioButton>(u"Option3"_s), Qt::LeftButton);
    QTest::mouseClick(&f.control<QPushButton>(u"Command2"_s), Qt::LeftButton);
    QCOMPARE(f.host.handOvers, QList<WindowId>{WindowId::Main});
    QVERIFY(!f.window.isVisible());

    f.window.load();
    f.window.show();
    QVERIFY(f.control<QRadioButton>(u"Option3"_s).isChecked());
    f.startAndWriteProblem();
    f.answer(u"53"_s);
    QCOMPARE(f.services.sound.played, QStringList{f.folder.settings().path(u"\\dui.wav"_s)});

    QTest::mouseClick(&f.control<QRadioButton>(u"Option4"_s), Qt::LeftButton);
    f.window.Command1_Click();
    for (int tick = 0; tick < 100; ++tick)
        f.window.Timer2_Timer();
    f.answer(u"0"_s);
    QCOMPARE(f.services.sound.played.size(), 1);
}

void PracticeWindowTest::aSwatchReplacesTheBackground_data()
{
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<QColor>("color");
    QTest::newRow("Label5 orange") << u"Label5"_s << QColor(0xFF, 0x80, 0x00);
    QTest::newRow("Label6 yellow") << u"Label6"_s << QColor(0xFF, 0xFF, 0x00);
    QTest::newRow("Label7 green") << u"Label7"_s << QColor(0x00, 0xFF, 0x00);
    QTest::newRow("Label8 blue") << u"Label8"_s << QColor(0x00, 0x00, 0xFF);
}

void PracticeWindowTest::aSwatchReplacesTheBackground()
{
    QFETCH(QString, swatch);
    QFETCH(QColor, color);
    Fixture f;
    QVERIFY(f.window.showsPicture());
    QTest::mouseClick(&f.control<QWidget>(swatch), Qt::LeftButton);
    QVERIFY(!f.window.showsPicture());
    QCOMPARE(f.window.backColor(), color);
}

void PracticeWindowTest::aRightPressDisablesTheProblemLog()
{
    Fixture f;
    f.startAndWriteProblem();
    QPlainTextEdit &text3 = f.control<QPlainTextEdit>(u"Text3"_s);
    QTest::mousePress(text3.viewport(), Qt::LeftButton);
    QTest::mouseRelease(text3.viewport(), Qt::LeftButton);
    QVERIFY(text3.isEnabled());
    QTest::mousePress(text3.viewport(), Qt::RightButton);
    QVERIFY(!text3.isEnabled());
    f.answer(u"53"_s);
    QVERIFY(!text3.isEnabled());
    f.window.Command1_Click();
    QVERIFY(text3.isEnabled());
}

void PracticeWindowTest::navigation_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<WindowId>("next");
    QTest::newRow("Command2 back") << u"Command2"_s << WindowId::Main;
    QTest::newRow("Command3 examples") << u"Command3"_s << WindowId::Examples;
    QTest::newRow("Command4 test") << u"Command4"_s << WindowId::Test;
}

void PracticeWindowTest::navigation()
{
    QFETCH(QString, button);
    QFETCH(WindowId, next);
    Fixture f;
    QTest::mouseClick(&f.control<QPushButton>(u"Command1"_s), Qt::LeftButton);
    QVERIFY(f.window.findChild<PreciseTimer *>(u"Timer2"_s)->isActive());
    QTest::mouseClick(&f.control<QPushButton>(button), Qt::LeftButton);
    QCOMPARE(f.host.handOvers, QList<WindowId>{next});
    for (PreciseTimer *timer : f.window.findChildren<PreciseTimer *>())
        QVERIFY(!timer->isActive());
}

void PracticeWindowTest::reopeningStartsAFreshPractice()
{
    Fixture f;
    f.startAndWriteProblem();
    f.answer(u"1"_s);
    f.window.Timer1_Timer();
    QTest::mouseClick(&f.control<QWidget>(u"Label8"_s), Qt::LeftButton);
    f.window.Command4_Click();

    f.window.load();
    f.window.show();
    QCOMPARE(f.control<QPushButton>(u"Command1"_s).text(), u"开始练习"_s);
    QVERIFY(f.control<QPushButton>(u"Command1"_s).isEnabled());
    QCOMPARE(f.caption(u"Label10"_s), QString());
    QCOMPARE(f.caption(u"Label11"_s), u"做题数："_s);
    QCOMPARE(f.caption(u"Label12"_s), u"对题数："_s);
    QCOMPARE(f.caption(u"Label14"_s), u"对题率："_s);
    QCOMPARE(f.caption(u"Label3"_s), u"0分0秒"_s);
    QVERIFY(!f.shown(u"Image2"_s));
    QVERIFY(!f.shown(u"Pic4"_s));
    QVERIFY(f.control<QPlainTextEdit>(u"Text3"_s).toPlainText().isEmpty());
    QVERIFY(f.control<QPlainTextEdit>(u"Text4"_s).toPlainText().isEmpty());
    QVERIFY(f.window.session().solutionSurface().runs().empty());
    // The background chosen stays for the whole run.
    QCOMPARE(f.window.backColor(), QColor(0, 0, 0xFF));
    f.startAndWriteProblem();
    QCOMPARE(f.caption(u"Label11"_s), u"做题数：1"_s);
}

QTEST_MAIN(PracticeWindowTest)
#include "practicewindow_test.moc"
