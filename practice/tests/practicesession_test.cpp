// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankchecksum.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "practicesession.h"
#include "problemrecord.h"
#include "recordingservices.h"
#include "testbanks.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Phase = PracticeSession::Phase;

namespace {

/// A session on a bank of its own, with recording sound and message boxes.
struct Fixture {
    TestFolder folder;
    ProgramSettings settings = folder.settings();
    RecordingServices services;
    PracticeSession session{settings, services.sound, services.messages};
};

/// Ticks the problem typewriter until the answer box opens; returns the ticks it took.
int typeProblem(PracticeSession &session)
{
    int ticks = 0;
    while (session.phase() == Phase::TypingProblem && ticks < 1000) {
        session.problemTick();
        ++ticks;
    }
    return ticks;
}

int typeSolution(PracticeSession &session)
{
    int ticks = 0;
    while (session.phase() == Phase::TypingSolution && ticks < 1000) {
        session.solutionTick();
        ++ticks;
    }
    return ticks;
}

/// Starts the next problem, writes it out and answers it with the stored answer.
void practiseOne(PracticeSession &session)
{
    QVERIFY(session.nextProblem());
    typeProblem(session);
    QVERIFY(session.submitAnswer(session.record().AnswerText.trimmed()));
    QCOMPARE(session.phase(), Phase::Right);
}

QString problemText(const TextSurface &surface)
{
    QString text;
    for (const TextSurface::Run &run : surface.runs())
        text += run.text;
    return text;
}

} // namespace

class PracticeSessionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void problemsRunThroughTheBankAndStartAgain();
    void theFirstClickRenamesTheButton();
    void aProblemIsWrittenOutThenLogged();
    void verdicts_data();
    void verdicts();
    void aWrongAnswerKeepsNextDisabledUntilTheSolutionIsWritten();
    void bracketErrorsAreShownBeforeTheVerdict_data();
    void bracketErrorsAreShownBeforeTheVerdict();
    void enterBeforeTheProblemIsWrittenDoesNothing();
    void aBankWithoutProblemsIsNotReady_data();
    void aBankWithoutProblemsIsNotReady();
    void aBankOfOneProblemRepeatsIt();
    void aBankThatShrankStartsAgain();
    void fieldsWithoutMarkersStopAtTheirEnd();
    void damagedRecordsArePassedOver_data();
    void damagedRecordsArePassedOver();
    void aBankThatFailsItsChecksumIsDamaged();
    void theRateNeverExceedsAHundredAfterTheBankStartsAgain();
    void answersAreReadUpToTwoHundredCharacters();
    void theClock_data();
    void theClock();
    void soundsFollowTheSwitchAndSurviveALoad();
    void loadStartsAFreshPractice();
    void theProblemLogIsDisabledUntilTheNextProblem();
    void anInputMethodLineJudgedWrongBringsAHintUntilTheNextProblem();
};

void PracticeSessionTest::problemsRunThroughTheBankAndStartAgain()
{
    Fixture f;
    f.folder.writeBank(TestFolder::NumberedProblems(4)); // 5 records
    const int records[] = {2, 3, 4, 5, 2, 3};
    const char16_t *done[] = {u"做题数：1", u"做题数：2", u"做题数：3",
                              u"做题数：4", u"做题数：1", u"做题数：2"};
    for (int i = 0; i < 6; ++i) {
        practiseOne(f.session);
        QCOMPARE(f.session.problemNo(), records[i]);
        QCOMPARE(f.session.recordCount(), 5);
        QCOMPARE(f.session.doneCaption(), QString::fromUtf16(done[i]));
        QCOMPARE(f.session.record(), ReadProblemRecord(f.folder.bankPath(), records[i]));
    }
}

void PracticeSessionTest::theFirstClickRenamesTheButton()
{
    Fixture f;
    f.folder.writeBank(TestFolder::NumberedProblems(2));
    QCOMPARE(f.session.nextCaption(), u"开始练习"_s);
    QVERIFY(f.session.nextEnabled());
    QVERIFY(f.session.nextProblem());
    QCOMPARE(f.session.nextCaption(), u"继续练习"_s);
    QVERIFY(!f.session.nextEnabled());
    QVERIFY(!f.session.answerEnabled());
    typeProblem(f.session);
    f.session.submitAnswer(u"0"_s);
    typeSolution(f.session);
    QCOMPARE(f.session.nextCaption(), u"继续练习"_s);
}

void PracticeSessionTest::aProblemIsWrittenOutThenLogged()
{
    Fixture f;
    const QString problem = QString(49, u'题') + u"？"_s; // 50 characters
    f.folder.writeBank({{problem, u"解"_s, u"1"_s}});
    QVERIFY(f.session.nextProblem());
    QVERIFY(f.session.problemTyping());
    f.session.problemTick();
    QVERIFY(f.session.problemSurface().runs().empty()); // the first tick shows nothing
    for (int tick = 2; tick <= 54; ++tick)
        f.session.problemTick();
    QCOMPARE(f.session.phase(), Phase::TypingProblem);
    QVERIFY(!f.session.answerEnabled());
    QVERIFY(f.session.problemLog().isEmpty());
    f.session.problemTick(); // tick 55 meets the marker
    QCOMPARE(f.session.phase(), Phase::Answering);
    QVERIFY(f.session.answerEnabled());
    QVERIFY(!f.session.problemTyping());
    QCOMPARE(problemText(f.session.problemSurface()), u" 1、"_s + problem);
    QCOMPARE(f.session.problemLog(), u"\r\n 1、"_s + problem);
}

void PracticeSessionTest::verdicts_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");
    QTest::newRow("expression") << u"128-75"_s << true;
    QTest::newRow("equation") << u"75+x=128"_s << true;
    QTest::newRow("wrong expression") << u"128+75"_s << false;
    QTest::newRow("empty line") << QString() << false;
    QTest::newRow("full-width sign") << u"128－75"_s << false;
}

void PracticeSessionTest::verdicts()
{
    QFETCH(QString, answer);
    QFETCH(bool, right);
    Fixture f;
    f.folder.writeBank({{u"一本书有128页，看了75页，还剩多少页？"_s, u"128-75=53"_s, u"53"_s}});
    f.session.setSoundOn(true);
    f.session.nextProblem();
    typeProblem(f.session);
    QVERIFY(f.session.submitAnswer(answer));
    QCOMPARE(f.session.verdictMark(), right ? u"√"_s : u"×"_s);
    QCOMPARE(f.session.face(), right ? PracticeSession::Face::Smile : PracticeSession::Face::Frown);
    QCOMPARE(f.services.sound.played,
             QStringList{f.settings.path(right ? u"\\dui.wav"_s : u"\\zhadan.wav"_s)});
    QCOMPARE(f.session.verdictLog(), right ? u"第1题对\r\n"_s : u"第1题错\r\n"_s);
    QCOMPARE(f.session.rightCaption(), right ? u"对题数：1"_s : u"对题数：0"_s);
    QCOMPARE(f.session.rateCaption(), right ? u"对题率：100%"_s : u"对题率：0%"_s);
    QCOMPARE(f.session.solutionTyping(), !right);
    QVERIFY(!f.session.answerEnabled());
    QVERIFY(f.services.messages.shown.isEmpty());
}

void PracticeSessionTest::aWrongAnswerKeepsNextDisabledUntilTheSolutionIsWritten()
{
    Fixture f;
    const QString solution = u"列式：3*4=12。"_s;
    f.folder.writeBank({{u"题一"_s, u"解一"_s, u"12"_s}, {u"题二"_s, solution, u"7"_s}});

    f.session.nextProblem();
    typeProblem(f.session);
    f.session.submitAnswer(u"3*4"_s);
    QCOMPARE(f.session.phase(), Phase::Right);
    QVERIFY(f.session.solutionSurface().runs().empty());
    QVERIFY(f.session.nextEnabled()); // a right answer: at once
    QVERIFY(!f.session.solutionTyping());

    f.session.nextProblem();
    typeProblem(f.session);
    f.session.submitAnswer(u"3"_s);
    QCOMPARE(f.session.phase(), Phase::TypingSolution);
    for (int tick = 1; tick <= solution.size() + 1; ++tick) {
        QVERIFY(!f.session.nextEnabled());
        QVERIFY(!f.session.answerEnabled());
        f.session.solutionTick();
    }
    QCOMPARE(f.session.phase(), Phase::TypingSolution);
    f.session.solutionTick(); // meets the marker
    QCOMPARE(f.session.phase(), Phase::SolutionShown);
    QVERIFY(f.session.nextEnabled());
    QVERIFY(!f.session.answerEnabled());
    QCOMPARE(problemText(f.session.solutionSurface()), solution);
}

void PracticeSessionTest::bracketErrorsAreShownBeforeTheVerdict_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("messages");
    QTest::newRow("open bracket") << u"(3*4"_s << 1;
    QTest::newRow("both sides of an equation") << u"(x=12)+)"_s << 2;
    QTest::newRow("brackets that match") << u"(3*4)"_s << 0;
}

void PracticeSessionTest::bracketErrorsAreShownBeforeTheVerdict()
{
    QFETCH(QString, answer);
    QFETCH(int, messages);
    Fixture f;
    f.folder.writeBank({{u"题"_s, u"解"_s, u"12"_s}});
    f.session.setSoundOn(true);
    f.session.nextProblem();
    typeProblem(f.session);
    f.services.messages.onShow = [&f](const Message &) {
        QCOMPARE(f.session.verdictMark(), QString());
        QVERIFY(f.services.sound.played.isEmpty());
        QVERIFY(f.session.verdictLog().isEmpty());
        QVERIFY(!f.session.submitAnswer(u"12"_s)); // a second Enter meanwhile: nothing
    };
    f.session.submitAnswer(answer);
    QCOMPARE(f.services.messages.shown, QList<Message>(messages, ExpressionErrorMessage()));
    QCOMPARE(f.session.verdictMark(), messages == 0 ? u"√"_s : u"×"_s);
    QCOMPARE(f.session.tally().answered(), 1);
}

void PracticeSessionTest::enterBeforeTheProblemIsWrittenDoesNothing()
{
    Fixture f;
    f.folder.writeBank({{u"题"_s, u"解"_s, u"0"_s}});
    f.session.setSoundOn(true);
    QVERIFY(f.session.answerEnabled()); // open for typing, but nothing to judge yet
    QVERIFY(!f.session.submitAnswer(u"0"_s));
    QCOMPARE(f.session.phase(), Phase::Opened);
    f.session.nextProblem();
    f.session.problemTick();
    QVERIFY(!f.session.submitAnswer(u"0"_s));
    QCOMPARE(f.session.phase(), Phase::TypingProblem);
    QCOMPARE(f.session.verdictMark(), QString());
    QCOMPARE(f.session.tally().answered(), 0);
    QVERIFY(f.session.verdictLog().isEmpty());
    QVERIFY(f.services.sound.played.isEmpty());
    QVERIFY(f.services.messages.shown.isEmpty());
}

void PracticeSessionTest::aBankWithoutProblemsIsNotReady_data()
{
    QTest::addColumn<QByteArray>("bank");
    QTest::addColumn<bool>("missing");
    QTest::newRow("missing bank") << QByteArray() << true;
    QTest::newRow("empty bank") << QByteArray() << false;
    QTest::newRow("less than one record") << QByteArray(469, ' ') << false;
    QTest::newRow("the introduction only")
        << TestBanks::MarkedBytesOf({u"介绍"_s, u"关系"_s, QString()}) << false;
}

void PracticeSessionTest::aBankWithoutProblemsIsNotReady()
{
    QFETCH(QByteArray, bank);
    QFETCH(bool, missing);
    Fixture f;
    if (!missing)
        f.folder.writeBankBytes(bank);
    for (int click = 0; click < 2; ++click) {
        QVERIFY(!f.session.nextProblem());
        QCOMPARE(f.services.messages.shown.size(), click + 1);
        QCOMPARE(f.services.messages.shown.last(), NotReadyMessage());
        QCOMPARE(f.session.phase(), Phase::Opened);
        QVERIFY(f.session.nextEnabled());
        QCOMPARE(f.session.nextCaption(), u"开始练习"_s);
        QCOMPARE(f.session.problemNo(), 2);
        QCOMPARE(f.session.doneCaption(), u"做题数："_s);
        QVERIFY(f.session.problemSurface().runs().empty());
    }
    QCOMPARE(NotReadyMessage().title, u"操作提示"_s);
    QCOMPARE(NotReadyMessage().text, u"试题没有准备好，\r\n请准备好试题再试"_s);
}

void PracticeSessionTest::aBankOfOneProblemRepeatsIt()
{
    Fixture f;
    f.folder.writeBank(TestFolder::NumberedProblems(1));
    for (int i = 0; i < 3; ++i) {
        practiseOne(f.session);
        QCOMPARE(f.session.problemNo(), 2);
        QCOMPARE(f.session.doneCaption(), u"做题数：1"_s);
    }
}

void PracticeSessionTest::aBankThatShrankStartsAgain()
{
    Fixture f;
    f.folder.writeBank(TestFolder::NumberedProblems(5));
    for (int i = 0; i < 4; ++i)
        practiseOne(f.session);
    QCOMPARE(f.session.problemNo(), 5);
    f.folder.writeBank(TestFolder::NumberedProblems(2));
    practiseOne(f.session);
    QCOMPARE(f.session.problemNo(), 2);
    QCOMPARE(f.session.recordCount(), 3);
    QCOMPARE(f.session.record().AnswerText.trimmed(), u"11"_s);
}

void PracticeSessionTest::fieldsWithoutMarkersStopAtTheirEnd()
{
    // A record without its markers is damaged: it is passed over, and the pupil is told.
    Fixture f;
    f.folder.writeBankBytes(TestBanks::MarkedBytesOf({u"介绍"_s, u"关系"_s, QString()}) +
                            TestBanks::BytesOf({u"没有结束符的题"_s, u"没有结束符的解"_s, u"5"_s}));
    QVERIFY(!f.session.nextProblem());
    QCOMPARE(f.services.messages.shown, QList<Message>{DamagedBankMessage()});
    QCOMPARE(f.session.phase(), Phase::Opened);
    QVERIFY(f.session.problemSurface().runs().empty());
}

void PracticeSessionTest::damagedRecordsArePassedOver_data()
{
    QTest::addColumn<QByteArray>("damaged");
    QTest::newRow("answer of letters")
        << TestBanks::MarkedBytesOf({u"坏题"_s, u"坏解"_s, u"abc"_s});
    QTest::newRow("no markers") << TestBanks::BytesOf({u"坏题"_s, u"坏解"_s, u"5"_s});
    QTest::newRow("zero-filled") << QByteArray(470, '\0');
}

void PracticeSessionTest::damagedRecordsArePassedOver()
{
    QFETCH(QByteArray, damaged);
    Fixture f;
    const QList<TestBanks::Record> sound = TestFolder::NumberedProblems(3);
    // Records 2 and 4 are sound; 3 and 5 are damaged.
    f.folder.writeBankBytes(TestBanks::MarkedBytesOf({u"介绍"_s, u"关系"_s, QString()}) +
                            TestBanks::MarkedBytesOf(sound[0]) + damaged +
                            TestBanks::MarkedBytesOf(sound[2]) + damaged);
    QList<int> presented;
    for (int i = 0; i < 4; ++i) {
        practiseOne(f.session);
        presented.append(f.session.problemNo());
        QVERIFY(!f.session.record().ProblemText.contains(u"坏"_s));
    }
    QCOMPARE(presented, (QList<int>{2, 4, 2, 4}));
    // Told once for the whole opening, however often a damaged record is met.
    QCOMPARE(f.services.messages.shown, QList<Message>{DamagedBankMessage()});
    f.session.load();
    practiseOne(f.session);
    practiseOne(f.session);
    QCOMPARE(f.services.messages.shown.size(), 2);
}

void PracticeSessionTest::aBankThatFailsItsChecksumIsDamaged()
{
    // Every record sound as GBK and as a problem, but record 2's answer is not the one the
    // checksum was made for.
    Fixture f;
    const QByteArray intro = TestBanks::MarkedBytesOf({u"介绍"_s, u"关系"_s, QString()});
    const QList<TestBanks::Record> problems = TestFolder::NumberedProblems(3);
    const QByteArray built = intro + TestBanks::MarkedBytesOf(problems[0]) +
                             TestBanks::MarkedBytesOf(problems[1]) +
                             TestBanks::MarkedBytesOf(problems[2]);
    f.folder.writeBankBytes(built);
    QByteArray changed = built;
    changed[470 + 461] = changed[470 + 461] == '1' ? '2' : '1';
    QFile checksum(BankChecksumPath(f.settings.bankPath()));
    QVERIFY(checksum.open(QIODevice::WriteOnly));
    checksum.write(BankChecksumText(changed, u"tm1.dat"_s));
    checksum.close();
    QVERIFY(!f.session.nextProblem());
    QCOMPARE(f.services.messages.shown, QList<Message>{DamagedBankMessage()});
    // The checksum of the bank as it stands: sound again.
    QVERIFY(checksum.open(QIODevice::WriteOnly));
    checksum.write(BankChecksumText(built, u"tm1.dat"_s));
    checksum.close();
    f.session.load();
    QVERIFY(f.session.nextProblem());
    QCOMPARE(f.session.problemNo(), 2);
}

void PracticeSessionTest::theRateNeverExceedsAHundredAfterTheBankStartsAgain()
{
    Fixture f;
    f.folder.writeBank(TestFolder::NumberedProblems(2));
    for (int i = 0; i < 5; ++i) {
        practiseOne(f.session);
        QCOMPARE(f.session.rateCaption(), u"对题率：100%"_s);
    }
    QCOMPARE(f.session.rightCaption(), u"对题数：5"_s);
    QCOMPARE(f.session.verdictLog(), u"第1题对\r\n第2题对\r\n第1题对\r\n第2题对\r\n第1题对\r\n"_s);
}

void PracticeSessionTest::answersAreReadUpToTwoHundredCharacters()
{
    Fixture f;
    f.folder.writeBank({{u"题"_s, u"解"_s, u"12"_s}});
    f.session.nextProblem();
    typeProblem(f.session);
    // Whatever follows the 200th character is not part of the answer.
    f.session.submitAnswer(u"12"_s + QString(198, u' ') + u"+5"_s);
    QCOMPARE(f.session.verdictMark(), u"√"_s);
}

void PracticeSessionTest::theClock_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("caption");
    QTest::newRow("at load") << 0 << u"0分0秒"_s;
    QTest::newRow("five seconds") << 5 << u"0分5秒"_s;
    QTest::newRow("61 seconds") << 61 << u"1分1秒"_s;
    QTest::newRow("two minutes") << 120 << u"2分0秒"_s;
    QTest::newRow("an hour and a bit") << 3725 << u"62分5秒"_s;
}

void PracticeSessionTest::theClock()
{
    QFETCH(int, seconds);
    QFETCH(QString, caption);
    Fixture f;
    for (int i = 0; i < seconds; ++i)
        f.session.clockTick();
    QCOMPARE(f.session.clockCaption(), caption);
    QCOMPARE(ClockText(seconds), caption);
}

void PracticeSessionTest::soundsFollowTheSwitchAndSurviveALoad()
{
    Fixture f;
    f.folder.writeBank(TestFolder::NumberedProblems(3));
    QVERIFY(!f.session.soundOn()); // off until the pupil switches it on
    practiseOne(f.session);
    QVERIFY(f.services.sound.played.isEmpty());

    f.session.setSoundOn(true);
    f.session.load();
    QVERIFY(f.session.soundOn());
    QCOMPARE(f.session.rightSound(), f.settings.path(u"\\dui.wav"_s));
    QCOMPARE(f.session.wrongSound(), f.settings.path(u"\\zhadan.wav"_s));
    practiseOne(f.session);
    QCOMPARE(f.services.sound.played, QStringList{f.settings.path(u"\\dui.wav"_s)});

    f.session.setSoundOn(false);
    f.session.load();
    QVERIFY(!f.session.soundOn());
    f.session.nextProblem();
    typeProblem(f.session);
    f.session.submitAnswer(u"0"_s);
    QCOMPARE(f.services.sound.played.size(), 1);
}

void PracticeSessionTest::loadStartsAFreshPractice()
{
    Fixture f;
    f.folder.writeBank(TestFolder::NumberedProblems(3));
    practiseOne(f.session);
    f.session.nextProblem();
    typeProblem(f.session);
    f.session.submitAnswer(u"0"_s);
    f.session.solutionTick();
    f.session.solutionTick();
    f.session.clockTick();

    f.session.load();
    QCOMPARE(f.session.phase(), Phase::Opened);
    QCOMPARE(f.session.problemNo(), 2);
    QCOMPARE(f.session.recordCount(), 0);
    QCOMPARE(f.session.nextCaption(), u"开始练习"_s);
    QCOMPARE(f.session.verdictMark(), QString());
    QCOMPARE(f.session.face(), PracticeSession::Face::None);
    QCOMPARE(f.session.doneCaption(), u"做题数："_s);
    QCOMPARE(f.session.rightCaption(), u"对题数："_s);
    QCOMPARE(f.session.rateCaption(), u"对题率："_s);
    QVERIFY(f.session.problemLog().isEmpty());
    QVERIFY(f.session.verdictLog().isEmpty());
    QCOMPARE(f.session.tally().RightCount(), 0);
    QCOMPARE(f.session.clockCaption(), u"0分0秒"_s);
    QVERIFY(f.session.problemSurface().runs().empty());
    QVERIFY(f.session.solutionSurface().runs().empty());
    QVERIFY(!f.session.solutionTyping());
    practiseOne(f.session);
    QCOMPARE(f.session.problemNo(), 2);
}

void PracticeSessionTest::theProblemLogIsDisabledUntilTheNextProblem()
{
    Fixture f;
    f.folder.writeBank(TestFolder::NumberedProblems(3));
    practiseOne(f.session);
    f.session.disableProblemLog();
    QVERIFY(!f.session.problemLogEnabled());
    f.session.nextProblem();
    QVERIFY(f.session.problemLogEnabled());
}

QTEST_MAIN(PracticeSessionTest)
#include "practicesession_test.moc"

void PracticeSessionTest::anInputMethodLineJudgedWrongBringsAHintUntilTheNextProblem()
{
    Fixture f;
    f.folder.writeBank({{u"一本书有128页，看了75页，还剩多少页？"_s, u"128-75=53"_s, u"53"_s},
                        {u"3个4是多少？"_s, u"3*4=12"_s, u"12"_s}});
    f.session.nextProblem();
    typeProblem(f.session);
    QVERIFY(f.session.submitAnswer(u"１２８－７５"_s));
    QCOMPARE(f.session.verdictMark(), u"×"_s);
    QCOMPARE(f.session.inputHint(), u"提示：请用英文输入法输入 + - * / ( ) 和数字"_s);
    typeSolution(f.session);
    QCOMPARE(f.session.inputHint(), u"提示：请用英文输入法输入 + - * / ( ) 和数字"_s);
    QVERIFY(f.services.messages.shown.isEmpty());

    f.session.nextProblem();
    QVERIFY(f.session.inputHint().isEmpty());
    typeProblem(f.session);
    QVERIFY(f.session.submitAnswer(u"3*5"_s));
    QVERIFY(f.session.inputHint().isEmpty()); // wrong, but typed in ASCII
}
