// SPDX-License-Identifier: GPL-3.0-or-later
// The test window on the screen: its controls at load, composing, handing in, saving, the
// Enter key, the timers, the menu and the hand-over to the other windows.
#include "bankchecksum.h"
#include "mistakes.h"
#include "problemrecord.h"
#include "recordingservices.h"
#include "testbanks.h"
#include "testlayout.h"
#include "testmessages.h"
#include "testwindow.h"
#include "units.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The owner of the program, as far as the test window sees it.
class FakeHost final : public WindowHost {
public:
    const ProgramSettings &settings() const override { return programSettings; }
    QWidget *handOver(QWidget *leaving, WindowId next) override
    {
        handOvers.append(next);
        if (leaving)
            leaving->close();
        return nullptr;
    }
    void endProgram() override {}

    ProgramSettings programSettings;
    QList<WindowId> handOvers;
};

/// Answers right for the bank of ratios and percentages: stored 0.75, 0.25 and 25% in turn.
QString RatioAnswer(int k)
{
    const QString stored[] = {u"0.75"_s, u"0.25"_s, u"25%"_s};
    return stored[k % 3];
}

QString TypedFor(const QString &stored)
{
    if (stored == u"0.75"_s)
        return u"3:4"_s;
    return stored == u"0.25"_s ? u"25%"_s : u"0.25"_s;
}

} // namespace

class TestWindowTest : public QObject {
    Q_OBJECT

private:
    template <typename Control> Control *control(const QString &name) const
    {
        auto *found = m_window->findChild<Control *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    QLineEdit *answerBox(int k) const { return control<QLineEdit>(u"Text2(%1)"_s.arg(k)); }
    QLabel *mark(int k) const { return control<QLabel>(u"Label7(%1)"_s.arg(k)); }
    QLabel *rightAnswer(int k) const { return control<QLabel>(u"RightAnswer(%1)"_s.arg(k)); }
    QPushButton *button(const QString &name) const { return control<QPushButton>(name); }
    QString caption(const QString &name) const { return control<QLabel>(name)->text(); }

    void click(QAbstractButton *target) { QTest::mouseClick(target, Qt::LeftButton); }

    void chooseBank(const QString &name) { m_host.programSettings.BankFileName = name; }

    void compose()
    {
        click(button(u"Option1"_s));
        QVERIFY(m_window->paper().hasPaper());
    }

    /// Types the stored answers into the first rightRows boxes, and wrong ones after them.
    void answer(int rightRows)
    {
        for (int k = 0; k < PaperProblems; ++k) {
            const QString stored = m_window->paper().PaperRecords()[k + 1].AnswerText.trimmed();
            answerBox(k)->setText(k < rightRows ? stored : stored + u"+1"_s);
        }
    }

    /// The window manager's close box, or Alt+F4: a close event that comes from outside.
    void closeFromOutside()
    {
        QCloseEvent event;
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::sendEvent(m_window->windowHandle(), &event);
    }

    QString paperFolder() const { return m_dir.filePath(u"documents/cssj"_s); }

    QTemporaryDir m_dir;
    FakeHost m_host;
    std::unique_ptr<RecordingServices> m_services;
    std::unique_ptr<TestWindow> m_window;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void loadShowsAnEmptyTest();
    void loadNamesThePaperFolder();
    void controlsFollowTheLayout();
    void actionButtonsLatch();
    void composeFillsThePaperAndFocusesTheFirstAnswer();
    void composeRefusesASmallBank();
    void aBankThatFailsItsChecksumIsDamaged();
    void aDamagedBankIsToldOnce();
    void handInWithoutAPaperIsRefused();
    void anInputMethodAnswerBringsAHintBesideTheMarksUntilTheNextPaper();
    void hintsBesideTheMarksShowOneAtATime();
    void wrongRowsShowTheirRightAnswerAfterTheHandIn();
    void aTypicalMistakeIsExplainedOnTheRowAfterTheHandIn();
    void theAnswerBoxesTakeTwoHundredCharacters();
    void grading_data();
    void grading();
    void soundOffPlaysNothing();
    void ratiosAndPercentagesCount();
    void bracketErrorsAreShownBeforeTheirRowsMark();
    void abortedRowIsWrongAndGradingGoesOn();
    void enterMovesToTheNextAnswer();
    void savesThePaperAsItStands();
    void thePathOfTheLabelMeansThePaperFolder();
    void saveWithoutAPaperWritesNothing();
    void failedSaveIsReported();
    void menuEntriesAskForThePrintingWindows();
    void clockAndFaceTick();
    void handOverToTheOtherWindows_data();
    void handOverToTheOtherWindows();
    void theCloseBoxAsksOnlyWhenWorkWouldBeLost_data();
    void theCloseBoxAsksOnlyWhenWorkWouldBeLost();
    void leavingAfterTheQuestionClosesTheWindow();
    void theWindowsOwnWaysOutNeverAsk_data();
    void theWindowsOwnWaysOutNeverAsk();
    void openingAgainStartsAfresh();
};

void TestWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    m_host.programSettings.ProgramFolder = m_dir.path();
    QVERIFY(TestBanks::Write(m_dir.filePath(u"tm1.dat"_s), 16));
    QVERIFY(TestBanks::Write(m_dir.filePath(u"tm2.dat"_s), 15));
    QVERIFY(TestBanks::Write(m_dir.filePath(u"tm3.dat"_s), 30, RatioAnswer));
    // Ten sound problems among eighteen damaged ones, and a bank damaged throughout.
    QVERIFY(TestBanks::Write(m_dir.filePath(u"tm4.dat"_s), 30, [](int k) {
        return k <= 11 ? TestBanks::DefaultAnswer(k) : u"abc"_s;
    }));
    QVERIFY(TestBanks::Write(m_dir.filePath(u"tm5.dat"_s), 20, [](int) { return u"abc"_s; }));
}

void TestWindowTest::init()
{
    chooseBank(u"\\tm1.dat"_s);
    m_host.handOvers.clear();
    m_services = std::make_unique<RecordingServices>();
    m_window = std::make_unique<TestWindow>(m_host, m_services->services(), paperFolder());
    m_window->load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestWindowTest::cleanup()
{
    m_window.reset();
    m_services.reset();
}

void TestWindowTest::loadShowsAnEmptyTest()
{
    QCOMPARE(m_window->objectName(), u"Form5"_s);
    QCOMPARE(m_window->windowTitle(), u"Lumaro    应用题测试 "_s);
    auto *paperBox = control<QPlainTextEdit>(u"Text1"_s);
    QVERIFY(!paperBox->isReadOnly());
    QVERIFY(paperBox->toPlainText().isEmpty());
    QVERIFY(m_window->PaperText().isEmpty());
    for (int k = 0; k < PaperProblems; ++k) {
        QCOMPARE(caption(u"Label2(%1)"_s.arg(k)), QString::number(k + 1) + u"。结果"_s);
        QVERIFY(answerBox(k)->text().isEmpty());
        QVERIFY(mark(k)->text().isEmpty());
    }
    QCOMPARE(caption(u"Label2(9)"_s), u"10。结果"_s);
    QCOMPARE(caption(u"Label5"_s), u"仔细审题认真答卷"_s);
    QCOMPARE(control<QLabel>(u"Label5"_s)->font().pointSizeF(), 24.0);
    QVERIFY(caption(u"Label1"_s).isEmpty());
    QVERIFY(control<QLabel>(u"Label1"_s)->isHidden());
    QCOMPARE(caption(u"Label6"_s), u"0分0秒"_s);
    QCOMPARE(caption(u"Label4"_s), u"输入试卷名（不能修改路径）"_s);
    QVERIFY(!control<QLabel>(u"Im1"_s)->isHidden());
    QVERIFY(control<QLabel>(u"Im2"_s)->isHidden());
    // The sound switch starts with neither button chosen, and silent.
    QVERIFY(!control<QRadioButton>(u"Option5"_s)->isChecked());
    QVERIFY(!control<QRadioButton>(u"Option6"_s)->isChecked());
    QVERIFY(m_window->sounds().RightSound().isEmpty());
    QVERIFY(m_window->sounds().WrongSound().isEmpty());
}

void TestWindowTest::loadNamesThePaperFolder()
{
    const QString path = QDir::toNativeSeparators(paperFolder() + u"/试卷名"_s);
    QCOMPARE(control<QLineEdit>(u"Text3"_s)->text(), path);
    QCOMPARE(button(u"Option3"_s)->toolTip(),
             u"试题保存在"_s + QDir::toNativeSeparators(paperFolder()));
    QVERIFY(QDir(paperFolder()).exists());
}

void TestWindowTest::controlsFollowTheLayout()
{
    const TwipScale scale = TwipScale::of(*m_window);
    const QRect screen = m_window->screen()->geometry();
    const TestLayout layout =
        TestLayoutFor(scale.toTwips(screen.width()), scale.toTwips(screen.height()));
    QCOMPARE(button(u"Option1"_s)->pos(),
             QPoint(scale.toPixels(layout.option1.x()), scale.toPixels(layout.option1.y())));
    QCOMPARE(button(u"Option8"_s)->x(), scale.toPixels(13000));
    QCOMPARE(answerBox(3)->pos(),
             QPoint(scale.toPixels(layout.text2Left), scale.toPixels(AnswerRowTop(3))));
    QCOMPARE(mark(9)->pos(),
             QPoint(scale.toPixels(layout.label7Left), scale.toPixels(AnswerRowTop(9))));
    QCOMPARE(control<QPlainTextEdit>(u"Text1"_s)->pos(),
             QPoint(scale.toPixels(120), scale.toPixels(120)));
}

void TestWindowTest::actionButtonsLatch()
{
    QPushButton *composeButton = button(u"Option1"_s);
    QPushButton *handIn = button(u"Option2"_s);
    click(composeButton);
    QVERIFY(composeButton->isChecked());
    click(handIn);
    QVERIFY(handIn->isChecked());
    QVERIFY(!composeButton->isChecked());
    // Pressing the button that is down acts again: a second hand-in.
    const int messages = int(m_services->messages.shown.size());
    answerBox(0)->setText(u"(1"_s);
    click(handIn);
    QVERIFY(handIn->isChecked());
    QCOMPARE(m_services->messages.shown.size(), messages + 1);
}

void TestWindowTest::composeFillsThePaperAndFocusesTheFirstAnswer()
{
    answerBox(4)->setText(u"12"_s);
    compose();
    QCOMPARE(m_window->PaperText(), m_window->paper().PaperText());
    QVERIFY(m_window->PaperText().startsWith(u" 1、第"_s));
    QVERIFY(m_window->PaperText().endsWith(u"\r\n\r\n"_s));
    QCOMPARE(m_window->focusWidget(), answerBox(0));
    QVERIFY(answerBox(4)->text().isEmpty());
    QVERIFY(m_services->messages.shown.isEmpty());
}

void TestWindowTest::composeRefusesASmallBank()
{
    compose();
    answer(10);
    click(button(u"Option2"_s));
    QCOMPARE(caption(u"Label1"_s), u"我的成绩100分"_s);
    chooseBank(u"\\tm2.dat"_s);
    click(button(u"Option1"_s));
    QCOMPARE(m_services->messages.shown.size(), 1);
    QCOMPARE(m_services->messages.shown.first(), NotReadyMessage());
    QCOMPARE(m_services->messages.shown.first().text, u"试题没有准备好，\r\n请准备好试题再试"_s);
    QCOMPARE(m_services->messages.shown.first().title, u"操作提示"_s);
    QVERIFY(m_window->PaperText().isEmpty());
    // The score of the last paper stays up; the marks and answers are gone.
    QCOMPARE(caption(u"Label1"_s), u"我的成绩100分"_s);
    QVERIFY(mark(0)->text().isEmpty());
    QVERIFY(answerBox(0)->text().isEmpty());
    QCOMPARE(caption(u"Label5"_s), u"仔细审题认真答卷"_s);
}

// Changed bytes that still read as a sound record (an answer 8 turned into 9) show only
// against the checksum beside the bank: the paper is refused as from any damaged bank.
void TestWindowTest::aBankThatFailsItsChecksumIsDamaged()
{
    const QString bank = m_dir.filePath(u"tm6.dat"_s);
    QVERIFY(TestBanks::Write(bank, 30));
    QFile file(bank);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QFile checksum(BankChecksumPath(bank));
    QVERIFY(checksum.open(QIODevice::WriteOnly));
    checksum.write(BankChecksumText(file.readAll(), u"tm6.dat"_s));
    checksum.close();
    chooseBank(u"\\tm6.dat"_s);
    compose();
    QVERIFY(m_services->messages.shown.isEmpty());
    QVERIFY(file.seek(4 * RecordBytes + 460) && file.write("9") == 1);
    file.close();
    click(button(u"Option1"_s));
    QCOMPARE(m_services->messages.shown, QList<Message>{DamagedBankMessage()});
    QVERIFY(!m_window->paper().hasPaper());
    QVERIFY(QFile::remove(checksum.fileName()) && QFile::remove(bank));
}

void TestWindowTest::aDamagedBankIsToldOnce()
{
    chooseBank(u"\\tm4.dat"_s);
    compose();
    compose();
    QCOMPARE(m_services->messages.shown, QList<Message>{DamagedBankMessage()});
    QCOMPARE(m_services->messages.shown.first().text, u"题库文件有错误，\r\n请重新安装本软件"_s);
    answer(10);
    click(button(u"Option2"_s));
    QCOMPARE(caption(u"Label1"_s), u"我的成绩100分"_s);
    // A bank with too few sound problems gives no paper, and says why each time.
    chooseBank(u"\\tm5.dat"_s);
    click(button(u"Option1"_s));
    click(button(u"Option1"_s));
    QCOMPARE(m_services->messages.shown, QList<Message>(3, DamagedBankMessage()));
    QVERIFY(m_window->PaperText().isEmpty());
}

void TestWindowTest::handInWithoutAPaperIsRefused()
{
    click(button(u"Option2"_s));
    QCOMPARE(m_services->messages.shown, QList<Message>{NotReadyMessage()});
    for (int k = 0; k < PaperProblems; ++k)
        QVERIFY(mark(k)->text().isEmpty());
    QVERIFY(caption(u"Label1"_s).isEmpty());
    QVERIFY(m_services->sound.played.isEmpty());
}

void TestWindowTest::anInputMethodAnswerBringsAHintBesideTheMarksUntilTheNextPaper()
{
    compose();
    answer(PaperProblems);
    answerBox(4)->setText(u"（"_s + answerBox(4)->text() + u"）"_s);
    click(button(u"Option2"_s));
    QCOMPARE(mark(4)->text(), u"×"_s);
    QCOMPARE(caption(u"InputHint"_s), u"提示：第5题请用英文输入法输入 + - * / ( ) 和数字"_s);
    QVERIFY(m_services->messages.shown.isEmpty());
    compose();
    QVERIFY(caption(u"InputHint"_s).isEmpty());
}

void TestWindowTest::hintsBesideTheMarksShowOneAtATime()
{
    compose();
    answer(PaperProblems);
    const auto stored = [this](int k) {
        return m_window->paper().PaperRecords()[k + 1].AnswerText.trimmed().toInt();
    };
    answerBox(1)->setText(u"x="_s + QString::number(stored(1)));
    answerBox(2)->setText(u"2x="_s + QString::number(2 * stored(2)));
    answerBox(3)->setText(u"0,"_s + QString::number(stored(3)));
    click(button(u"Option2"_s));
    QCOMPARE(mark(1)->text(), u"√"_s);
    QCOMPARE(mark(2)->text(), u"×"_s);
    QCOMPARE(mark(3)->text(), u"×"_s);
    QCOMPARE(caption(u"InputHint"_s), u"提示：第4题小数点要用 . 输入"_s);
    answerBox(3)->setText(QString::number(stored(3)));
    click(button(u"Option2"_s));
    QCOMPARE(caption(u"InputHint"_s), u"提示：第3题乘号不能省略，2x 要写成 2*x"_s);
    answerBox(2)->setText(u"2*x="_s + QString::number(2 * stored(2)));
    click(button(u"Option2"_s));
    QVERIFY(caption(u"InputHint"_s).isEmpty());
    QCOMPARE(caption(u"Label1"_s), u"我的成绩100分"_s);
    QVERIFY(m_services->messages.shown.isEmpty());
}

void TestWindowTest::wrongRowsShowTheirRightAnswerAfterTheHandIn()
{
    compose();
    answer(6);
    for (int k = 0; k < PaperProblems; ++k)
        QVERIFY(rightAnswer(k)->text().isEmpty());
    click(button(u"Option2"_s));
    for (int k = 0; k < PaperProblems; ++k) {
        const QString stored = m_window->paper().PaperRecords()[k + 1].AnswerText.trimmed();
        QCOMPARE(rightAnswer(k)->text(), k < 6 ? QString() : u"答案："_s + stored);
        QVERIFY(k < 6 || rightAnswer(k)->isVisible());
        // The answer stands under its own row, clear of the mark and of the next row.
        QVERIFY(!rightAnswer(k)->geometry().intersects(mark(k)->geometry()));
        QVERIFY(!rightAnswer(k)->geometry().intersects(answerBox(k)->geometry()));
        QVERIFY(k == 9 || !rightAnswer(k)->geometry().intersects(answerBox(k + 1)->geometry()));
    }
    compose();
    for (int k = 0; k < PaperProblems; ++k)
        QVERIFY(rightAnswer(k)->text().isEmpty());
}

void TestWindowTest::aTypicalMistakeIsExplainedOnTheRowAfterTheHandIn()
{
    // Each problem k of tm1 asks k + 3; k - 3 is its typical mistake.
    const QString bankPath = m_dir.filePath(u"tm1.dat"_s);
    QFile bank(bankPath);
    QVERIFY(bank.open(QIODevice::ReadOnly));
    QList<MistakeNote> notes;
    for (int k = 2; k <= 16; ++k)
        notes.append({k, u"%1-3"_s.arg(k), u"又买来的要加上，第%1题。"_s.arg(k)});
    QFile file(MistakesPath(bankPath));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(MistakesFileBytes(notes, bank.readAll()));
    file.close();
    compose();
    QFile::remove(MistakesPath(bankPath)); // read with the paper, not at the hand-in
    const auto &records = m_window->paper().PaperRecordNumbers();
    answerBox(0)->setText(u"%1-3"_s.arg(records[1]));
    answerBox(1)->setText(QString::number(records[2] - 3));
    answerBox(2)->setText(u"%1*3"_s.arg(records[3]));
    answerBox(3)->setText(u"%1+3"_s.arg(records[4]));
    for (int k = 0; k < PaperProblems; ++k)
        QVERIFY(m_window->rowExplanation(k).isEmpty());
    click(button(u"Option2"_s));
    const QString first = u"又买来的要加上，第%1题。"_s.arg(records[1]);
    QCOMPARE(m_window->rowExplanation(0), first);
    QCOMPARE(mark(0)->toolTip(), first);
    QCOMPARE(mark(0)->accessibleDescription(), first);
    QCOMPARE(answerBox(0)->accessibleDescription(), first);
    QCOMPARE(m_window->rowExplanation(1), u"又买来的要加上，第%1题。"_s.arg(records[2]));
    QVERIFY(m_window->rowExplanation(2).isEmpty()); // wrong, but not the typical mistake
    QVERIFY(m_window->rowExplanation(3).isEmpty()); // right
    // Focusing the row's answer box shows it as pointing at the mark does.
    answerBox(5)->setFocus();
    answerBox(0)->setFocus();
    QTRY_COMPARE(QToolTip::text(), first);
    compose();
    QVERIFY(m_window->rowExplanation(0).isEmpty());
    QVERIFY(answerBox(0)->accessibleDescription().isEmpty());
}

void TestWindowTest::theAnswerBoxesTakeTwoHundredCharacters()
{
    compose();
    for (int k = 0; k < PaperProblems; ++k) {
        answerBox(k)->setFocus();
        QTest::keyClicks(answerBox(k), QString(250, u'1'));
        QCOMPARE(answerBox(k)->text().size(), 200);
    }
}

void TestWindowTest::grading_data()
{
    QTest::addColumn<int>("rightRows");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("fontSize");
    QTest::addColumn<bool>("frown");
    QTest::addColumn<QString>("sound");
    QTest::newRow("100") << 10 << u"我的成绩100分"_s << u"奖"_s << 72.0 << false << u"dui.wav"_s;
    QTest::newRow("90") << 9 << u"我的成绩90分"_s << u"好"_s << 72.0 << false << u"dui.wav"_s;
    QTest::newRow("80") << 8 << u"我的成绩80分"_s << u"再努力 上台阶"_s << 25.0 << false
                        << u"zhadan.wav"_s;
    QTest::newRow("50") << 5 << u"我的成绩50分"_s << u"还要努力啊!"_s << 25.0 << true
                        << u"zhadan.wav"_s;
}

void TestWindowTest::grading()
{
    QFETCH(int, rightRows);
    QFETCH(QString, score);
    QFETCH(QString, word);
    QFETCH(double, fontSize);
    QFETCH(bool, frown);
    QFETCH(QString, sound);
    click(control<QRadioButton>(u"Option5"_s));
    compose();
    answer(rightRows);
    click(button(u"Option2"_s));
    for (int k = 0; k < PaperProblems; ++k)
        QCOMPARE(mark(k)->text(), k < rightRows ? u"√"_s : u"×"_s);
    QCOMPARE(caption(u"Label1"_s), score);
    QVERIFY(!control<QLabel>(u"Label1"_s)->isHidden());
    QCOMPARE(caption(u"Label5"_s), word);
    QCOMPARE(control<QLabel>(u"Label5"_s)->font().pointSizeF(), fontSize);
    QCOMPARE(control<QLabel>(u"Im1"_s)->isHidden(), frown);
    QCOMPARE(control<QLabel>(u"Im2"_s)->isHidden(), !frown);
    QCOMPARE(m_services->sound.played, QStringList{QDir(m_dir.path()).filePath(sound)});
    QVERIFY(m_services->messages.shown.isEmpty());
    // The same answers handed in again score the same.
    click(button(u"Option2"_s));
    QCOMPARE(caption(u"Label1"_s), score);
    // A new paper brings the smile and the motto back.
    compose();
    QVERIFY(!control<QLabel>(u"Im1"_s)->isHidden());
    QVERIFY(control<QLabel>(u"Im2"_s)->isHidden());
    QCOMPARE(caption(u"Label5"_s), u"仔细审题认真答卷"_s);
    QCOMPARE(control<QLabel>(u"Label5"_s)->font().pointSizeF(), 24.0);
    QVERIFY(caption(u"Label1"_s).isEmpty());
    QVERIFY(mark(0)->text().isEmpty());
}

void TestWindowTest::soundOffPlaysNothing()
{
    compose();
    answer(10);
    click(button(u"Option2"_s));
    click(control<QRadioButton>(u"Option5"_s));
    click(control<QRadioButton>(u"Option6"_s));
    QVERIFY(m_window->sounds().RightSound().isEmpty());
    answer(2);
    click(button(u"Option2"_s));
    QCOMPARE(caption(u"Label1"_s), u"我的成绩20分"_s);
    QVERIFY(m_services->sound.played.isEmpty());
}

void TestWindowTest::ratiosAndPercentagesCount()
{
    chooseBank(u"\\tm3.dat"_s);
    compose();
    for (int k = 0; k < PaperProblems; ++k) {
        const QString stored = m_window->paper().PaperRecords()[k + 1].AnswerText.trimmed();
        answerBox(k)->setText(TypedFor(stored));
    }
    click(button(u"Option2"_s));
    QCOMPARE(caption(u"Label1"_s), u"我的成绩100分"_s);
}

void TestWindowTest::bracketErrorsAreShownBeforeTheirRowsMark()
{
    compose();
    answer(10);
    answerBox(2)->setText(u"(3*4"_s);
    answerBox(6)->setText(u"2+3)"_s);
    QStringList marksWhenShown;
    m_services->messages.onShow = [&](const Message &) {
        marksWhenShown.append(mark(2)->text() + u'|' + mark(6)->text());
    };
    click(button(u"Option2"_s));
    QCOMPARE(m_services->messages.shown, QList<Message>(2, ExpressionErrorMessage()));
    QCOMPARE(marksWhenShown, (QStringList{u"|"_s, u"×|"_s}));
    QCOMPARE(mark(1)->text(), u"√"_s);
    QCOMPARE(mark(3)->text(), u"√"_s);
    QCOMPARE(caption(u"Label1"_s), u"我的成绩80分"_s);
}

void TestWindowTest::abortedRowIsWrongAndGradingGoesOn()
{
    compose();
    answer(10);
    answerBox(0)->setText(u"12/0"_s);
    answerBox(1)->setText(u"1E308*1E308"_s);
    click(button(u"Option2"_s));
    QCOMPARE(mark(0)->text(), u"×"_s);
    QCOMPARE(mark(1)->text(), u"×"_s);
    QCOMPARE(mark(9)->text(), u"√"_s);
    QCOMPARE(caption(u"Label1"_s), u"我的成绩80分"_s);
    QVERIFY(m_services->messages.shown.isEmpty());
}

void TestWindowTest::enterMovesToTheNextAnswer()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    answerBox(3)->setFocus();
    QTest::keyClicks(answerBox(3), u"12"_s);
    QCOMPARE(QApplication::focusWidget(), answerBox(3));
    QTest::keyClick(answerBox(3), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), answerBox(4));
    QTest::keyClick(answerBox(4), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), answerBox(5));
    answerBox(9)->setFocus();
    QTest::keyClick(answerBox(9), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), answerBox(9));
    QCOMPARE(answerBox(3)->text(), u"12"_s);
}

void TestWindowTest::savesThePaperAsItStands()
{
    compose();
    auto *pathBox = control<QLineEdit>(u"Text3"_s);
    pathBox->setText(QDir::toNativeSeparators(paperFolder() + u"/第一次测验"_s));
    click(button(u"Option3"_s));
    QVERIFY(m_services->messages.shown.isEmpty());
    QFile saved(paperFolder() + u"/第一次测验.doc"_s);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), *EncodeGbk(m_window->paper().PaperText()));
    saved.close();
    // The pupil's own edits are saved too, line ends and all.
    auto *paperBox = control<QPlainTextEdit>(u"Text1"_s);
    paperBox->moveCursor(QTextCursor::End);
    paperBox->insertPlainText(u"姓名：小红\n"_s);
    click(button(u"Option3"_s));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(DecodeGbk(saved.readAll()), m_window->paper().PaperText() + u"姓名：小红\r\n"_s);
}

void TestWindowTest::thePathOfTheLabelMeansThePaperFolder()
{
    // The label asks for d:\cssj\试卷名, and pupils type just that.
    compose();
    control<QLineEdit>(u"Text3"_s)->setText(u"d:\\cssj\\第二次测验"_s);
    click(button(u"Option3"_s));
    QVERIFY(m_services->messages.shown.isEmpty());
    QVERIFY(QFile::exists(paperFolder() + u"/第二次测验.doc"_s));
    control<QLineEdit>(u"Text3"_s)->setText(u"d:\\cssj\\"_s);
    click(button(u"Option3"_s));
    QCOMPARE(m_services->messages.shown.size(), 1);
    QCOMPARE(m_services->messages.shown.first().text,
             u"试卷没有保存：\r\n没有试卷名：请在路径的最后输入试卷名"_s);
    QVERIFY(!QFile::exists(paperFolder() + u"/.doc"_s));
}

void TestWindowTest::saveWithoutAPaperWritesNothing()
{
    click(button(u"Option3"_s));
    QCOMPARE(m_services->messages.shown, QList<Message>{NotReadyMessage()});
    QVERIFY(!QFile::exists(paperFolder() + u"/试卷名.doc"_s));
}

void TestWindowTest::failedSaveIsReported()
{
    compose();
    const QString name = paperFolder() + u"/nowhere/测验"_s;
    control<QLineEdit>(u"Text3"_s)->setText(name);
    click(button(u"Option3"_s));
    QCOMPARE(m_services->messages.shown.size(), 1);
    const Message message = m_services->messages.shown.first();
    QCOMPARE(message.title, u"保存试卷"_s);
    QVERIFY(message.text.contains(u"文件夹不存在"_s));
    QVERIFY(message.text.contains(QDir::toNativeSeparators(name + u".doc"_s)));
}

void TestWindowTest::menuEntriesAskForThePrintingWindows()
{
    QSignalSpy preview(m_window.get(), &TestWindow::printPreviewRequested);
    QSignalSpy pageSetup(m_window.get(), &TestWindow::pageSetupRequested);
    auto *previewEntry = m_window->findChild<QAction *>(u"dayinyulan"_s);
    auto *pageSetupEntry = m_window->findChild<QAction *>(u"yemianshezhi"_s);
    QVERIFY(previewEntry && pageSetupEntry);
    QCOMPARE(previewEntry->text(), u"打印预览"_s);
    QCOMPARE(pageSetupEntry->text(), u"页面设置"_s);
    previewEntry->trigger();
    QCOMPARE(preview.size(), 1);
    QCOMPARE(pageSetup.size(), 0);
    pageSetupEntry->trigger();
    QCOMPARE(pageSetup.size(), 1);
}

void TestWindowTest::clockAndFaceTick()
{
    auto *clockTimer = m_window->findChild<QTimer *>(u"Timer1"_s);
    auto *faceTimer = m_window->findChild<QTimer *>(u"Timer2"_s);
    QVERIFY(clockTimer && faceTimer);
    QVERIFY(clockTimer->isActive() && faceTimer->isActive());
    QCOMPARE(clockTimer->interval(), 1000);
    QCOMPARE(faceTimer->interval(), 100);
    for (int tick = 0; tick < 59; ++tick)
        m_window->Timer1_Timer();
    QCOMPARE(caption(u"Label6"_s), u"0分59秒"_s);
    m_window->Timer1_Timer();
    QCOMPARE(caption(u"Label6"_s), u"1分0秒"_s);
    // Composing neither stops nor resets the clock.
    compose();
    m_window->Timer1_Timer();
    QCOMPARE(caption(u"Label6"_s), u"1分1秒"_s);
    const TwipScale scale = TwipScale::of(*m_window);
    auto *face = control<QLabel>(u"Im1"_s);
    for (int tick = 1; tick <= 20; ++tick) {
        m_window->Timer2_Timer();
        QCOMPARE(face->y(), scale.toPixels(SmileyBob::TopAt(tick)));
    }
}

void TestWindowTest::handOverToTheOtherWindows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<WindowId>("next");
    QTest::newRow("back") << u"Option8"_s << WindowId::Main;
    QTest::newRow("practice") << u"Option4"_s << WindowId::Practice;
    QTest::newRow("examples") << u"Option7"_s << WindowId::Examples;
}

void TestWindowTest::handOverToTheOtherWindows()
{
    QFETCH(QString, name);
    QFETCH(WindowId, next);
    click(button(name));
    QCOMPARE(m_host.handOvers, QList<WindowId>{next});
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_window->findChild<QTimer *>(u"Timer1"_s)->isActive());
}

// The close box ends the program: it asks first, once, where a typed paper would be lost.
void TestWindowTest::theCloseBoxAsksOnlyWhenWorkWouldBeLost_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("asks");
    QTest::newRow("no paper") << u"type"_s << false;
    QTest::newRow("composed, nothing typed") << u"compose"_s << false;
    QTest::newRow("composed, blanks typed") << u"compose blanks"_s << false;
    QTest::newRow("composed and answered") << u"compose type"_s << true;
    QTest::newRow("handed in") << u"compose type hand-in"_s << false;
    QTest::newRow("saved") << u"compose type save"_s << false;
    QTest::newRow("saved, then a new paper") << u"compose save compose type"_s << true;
}

void TestWindowTest::theCloseBoxAsksOnlyWhenWorkWouldBeLost()
{
    QFETCH(QString, before);
    QFETCH(bool, asks);
    for (const QString &step : before.split(u' ')) {
        if (step == u"compose"_s)
            compose();
        else if (step == u"type"_s)
            answerBox(2)->setText(u"12"_s);
        else if (step == u"blanks"_s)
            answerBox(2)->setText(u"  "_s);
        else if (step == u"hand-in"_s)
            click(button(u"Option2"_s));
        else if (step == u"save"_s)
            click(button(u"Option3"_s));
    }
    const QList<Message> shownBefore = m_services->messages.shown;
    closeFromOutside();
    QCOMPARE(m_services->messages.asked.size(), asks ? 1 : 0);
    QCOMPARE(m_services->messages.shown, shownBefore);
    if (asks)
        QCOMPARE(m_services->messages.asked.first(), LeaveUnfinishedTestQuestion());
    // 取消 keeps the paper, the answers and the running clock.
    QCOMPARE(m_window->isVisible(), asks);
    QCOMPARE(m_window->findChild<QTimer *>(u"Timer1"_s)->isActive(), asks);
    if (asks)
        QCOMPARE(answerBox(2)->text(), u"12"_s);
}

void TestWindowTest::leavingAfterTheQuestionClosesTheWindow()
{
    compose();
    answerBox(0)->setText(u"7"_s);
    m_services->messages.goAhead = true;
    closeFromOutside();
    QCOMPARE(m_services->messages.asked.size(), 1);
    QVERIFY(!m_window->isVisible());
}

void TestWindowTest::theWindowsOwnWaysOutNeverAsk_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("back") << u"Option8"_s;
    QTest::newRow("practice") << u"Option4"_s;
    QTest::newRow("examples") << u"Option7"_s;
    QTest::newRow("the program's end") << QString();
}

void TestWindowTest::theWindowsOwnWaysOutNeverAsk()
{
    QFETCH(QString, way);
    compose();
    answerBox(0)->setText(u"7"_s);
    if (way.isEmpty())
        m_window->close(); // as the exit entry closes every window
    else
        click(button(way));
    QVERIFY(m_services->messages.asked.isEmpty());
    QVERIFY(!m_window->isVisible());
}

void TestWindowTest::openingAgainStartsAfresh()
{
    click(control<QRadioButton>(u"Option5"_s));
    compose();
    answer(3);
    click(button(u"Option2"_s));
    m_window->Timer1_Timer();
    control<QLineEdit>(u"Text3"_s)->setText(u"别的名字"_s);
    click(button(u"Option8"_s));
    m_window->load();
    QVERIFY(!m_window->paper().hasPaper());
    QVERIFY(m_window->PaperText().isEmpty());
    QVERIFY(mark(0)->text().isEmpty());
    QVERIFY(caption(u"Label1"_s).isEmpty());
    QCOMPARE(caption(u"Label5"_s), u"仔细审题认真答卷"_s);
    QCOMPARE(caption(u"Label6"_s), u"0分0秒"_s);
    QVERIFY(!control<QLabel>(u"Im1"_s)->isHidden());
    QVERIFY(control<QLabel>(u"Im2"_s)->isHidden());
    QVERIFY(!control<QRadioButton>(u"Option5"_s)->isChecked());
    QVERIFY(m_window->sounds().RightSound().isEmpty());
    for (const QString &name : {u"Option1"_s, u"Option2"_s, u"Option8"_s})
        QVERIFY(!button(name)->isChecked());
    QVERIFY(control<QLineEdit>(u"Text3"_s)->text().endsWith(u"试卷名"_s));
    QVERIFY(m_window->findChild<QTimer *>(u"Timer1"_s)->isActive());
}

QTEST_MAIN(TestWindowTest)
#include "testwindow_test.moc"
