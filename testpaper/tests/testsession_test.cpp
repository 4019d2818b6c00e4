// SPDX-License-Identifier: GPL-3.0-or-later
// The test window's session without its widgets: what composing, handing in, saving and
// leaving say and show.
#include "recordingservices.h"
#include "testbanks.h"
#include "testsession.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A session on banks of its own in a temporary program folder, with recording services.
struct Fixture {
    QTemporaryDir dir;
    ProgramSettings settings;
    RecordingServices services;
    TestSession session{settings, services.sound, services.messages,
                        dir.filePath(u"documents/cssj"_s), QRandomGenerator(24)};

    Fixture()
    {
        settings.ProgramFolder = dir.path();
        TestBanks::Write(dir.filePath(u"tm1.dat"_s), 16);
        TestBanks::Write(dir.filePath(u"tm2.dat"_s), 15);
        // Ten sound problems among eighteen damaged ones, and a bank damaged throughout.
        TestBanks::Write(dir.filePath(u"tm4.dat"_s), 30,
                         [](int k) { return k <= 11 ? TestBanks::DefaultAnswer(k) : u"abc"_s; });
        TestBanks::Write(dir.filePath(u"tm5.dat"_s), 20, [](int) { return u"abc"_s; });
        chooseBank(u"tm1.dat"_s);
        session.load();
    }

    void chooseBank(const QString &name) { settings.BankFileName = u"\\"_s + name; }

    /// The stored answers in the first rightRows rows, wrong ones after them.
    QStringList answers(int rightRows) const
    {
        QStringList typed;
        for (int k = 0; k < PaperProblems; ++k) {
            const QString stored = session.paper().PaperRecords()[k + 1].AnswerText.trimmed();
            typed.append(k < rightRows ? stored : stored + u"+1"_s);
        }
        return typed;
    }
};

} // namespace

class TestSessionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void composingTellsWhatTheBankLacks_data();
    void composingTellsWhatTheBankLacks();
    void aNewOpeningTellsOfDamageAgain();
    void handingInShowsTheResult_data();
    void handingInShowsTheResult();
    void handingInAgainShowsTheNewFace();
    void handingInWithoutAPaperChangesNothing();
    void aBracketErrorIsToldOncePerError();
    void composingAgainClearsTheMarks();
    void closingAsksOnlyWhenWorkWouldBeLost_data();
    void closingAsksOnlyWhenWorkWouldBeLost();
    void anEmptyPaperIsNotSaved();
    void enterMovesToTheNextRow_data();
    void enterMovesToTheNextRow();
    void loadStartsAfresh();
};

void TestSessionTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSessionTest::composingTellsWhatTheBankLacks_data()
{
    QTest::addColumn<QString>("bank");
    QTest::addColumn<bool>("composed");
    QTest::addColumn<QList<Message>>("told"); // after composing twice
    QTest::newRow("sound") << u"tm1.dat"_s << true << QList<Message>{};
    QTest::newRow("too few problems")
        << u"tm2.dat"_s << false << QList<Message>(2, NotReadyMessage());
    QTest::newRow("missing") << u"tm9.dat"_s << false << QList<Message>(2, NotReadyMessage());
    QTest::newRow("damaged in part: told once")
        << u"tm4.dat"_s << true << QList<Message>{DamagedBankMessage()};
    QTest::newRow("damaged throughout: told each time")
        << u"tm5.dat"_s << false << QList<Message>(2, DamagedBankMessage());
}

void TestSessionTest::composingTellsWhatTheBankLacks()
{
    QFETCH(QString, bank);
    QFETCH(bool, composed);
    QFETCH(QList<Message>, told);
    Fixture f;
    f.chooseBank(bank);
    QCOMPARE(f.session.compose(), composed);
    QCOMPARE(f.session.compose(), composed);
    QCOMPARE(f.services.messages.shown, told);
    QCOMPARE(f.session.paper().hasPaper(), composed);
    QCOMPARE(f.session.paperBoxText().isEmpty(), !composed);
    QVERIFY(!f.session.paperBoxText().contains(u'\r'));
}

void TestSessionTest::aNewOpeningTellsOfDamageAgain()
{
    Fixture f;
    f.chooseBank(u"tm4.dat"_s);
    QVERIFY(f.session.compose());
    f.session.load();
    QVERIFY(f.session.compose());
    QCOMPARE(f.services.messages.shown, QList<Message>(2, DamagedBankMessage()));
}

void TestSessionTest::handingInShowsTheResult_data()
{
    QTest::addColumn<int>("rightRows");
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<QString>("played"); // the end of the sound file's path
    QTest::newRow("all right, sound on") << 10 << true << u"dui.wav"_s;
    QTest::newRow("half, sound on") << 5 << true << u"zhadan.wav"_s;
    QTest::newRow("half, sound off") << 5 << false << QString();
}

void TestSessionTest::handingInShowsTheResult()
{
    QFETCH(int, rightRows);
    QFETCH(bool, soundOn);
    QFETCH(QString, played);
    Fixture f;
    f.session.setSoundOn(soundOn);
    QVERIFY(f.session.compose());
    QVERIFY(f.session.handIn(f.answers(rightRows)));
    const ResultBand band = ResultBandFor(rightRows * PointsPerProblem);
    QCOMPARE(f.session.scoreCaption(), ScoreText(rightRows * PointsPerProblem));
    QCOMPARE(f.session.resultCaption(), band.caption);
    QCOMPARE(f.session.resultFontSize(), band.fontSize);
    QCOMPARE(f.session.frown(), band.frown);
    for (int k = 0; k < PaperProblems; ++k) {
        QCOMPARE(f.session.markText(k), MarkText(k < rightRows));
        QCOMPARE(f.session.rightAnswerText(k).isEmpty(), k < rightRows);
    }
    QCOMPARE(f.services.sound.played.size(), played.isEmpty() ? 0 : 1);
    if (!played.isEmpty())
        QVERIFY(f.services.sound.played.first().endsWith(played));
}

void TestSessionTest::handingInAgainShowsTheNewFace()
{
    Fixture f;
    QVERIFY(f.session.compose());
    QVERIFY(f.session.handIn(f.answers(3)));
    QVERIFY(f.session.frown());
    QVERIFY(f.session.handIn(f.answers(10)));
    QCOMPARE(f.session.resultCaption(), u"奖"_s);
    QVERIFY(!f.session.frown());
}

void TestSessionTest::handingInWithoutAPaperChangesNothing()
{
    Fixture f;
    f.session.setSoundOn(true);
    QVERIFY(!f.session.handIn(QStringList(PaperProblems, QString())));
    QCOMPARE(f.services.messages.shown, QList<Message>{NotReadyMessage()});
    QVERIFY(!f.session.grading());
    QVERIFY(f.session.scoreCaption().isEmpty());
    QCOMPARE(f.session.resultCaption(), TestSession::Motto);
    QVERIFY(f.services.sound.played.isEmpty());
}

void TestSessionTest::aBracketErrorIsToldOncePerError()
{
    Fixture f;
    QVERIFY(f.session.compose());
    QStringList typed = f.answers(10);
    typed[2] = u"(1+2"_s;
    typed[7] = u"((3)"_s;
    QList<int> rowsWhenTold;
    f.services.messages.onShow = [&](const Message &) { rowsWhenTold.append(-1); };
    QVERIFY(f.session.handIn(typed, [&](int k) { rowsWhenTold.append(k); }));
    QCOMPARE(f.services.messages.shown, QList<Message>(2, ExpressionErrorMessage()));
    // Each row's messages come before the row is shown.
    QCOMPARE(rowsWhenTold, (QList<int>{0, 1, -1, 2, 3, 4, 5, 6, -1, 7, 8, 9}));
    // Sound is off until the pupil switches it on.
    QVERIFY(f.services.sound.played.isEmpty());
}

void TestSessionTest::composingAgainClearsTheMarks()
{
    Fixture f;
    QVERIFY(f.session.compose());
    QVERIFY(f.session.handIn(f.answers(3)));
    QVERIFY(f.session.frown());
    // A paper that cannot be composed clears the marks and the face but keeps the score.
    f.chooseBank(u"tm2.dat"_s);
    QVERIFY(!f.session.compose());
    QVERIFY(f.session.markText(0).isEmpty());
    QVERIFY(!f.session.frown());
    QCOMPARE(f.session.resultCaption(), TestSession::Motto);
    QCOMPARE(f.session.resultFontSize(), TestSession::MottoSize);
    QCOMPARE(f.session.scoreCaption(), u"我的成绩30分"_s);
    f.chooseBank(u"tm1.dat"_s);
    QVERIFY(f.session.compose());
    QVERIFY(f.session.scoreCaption().isEmpty());
    QVERIFY(f.session.inputHint().isEmpty());
}

void TestSessionTest::closingAsksOnlyWhenWorkWouldBeLost_data()
{
    QTest::addColumn<QString>("stage");
    QTest::addColumn<bool>("goAhead");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no paper") << u"none"_s << false << false << true;
    QTest::newRow("composed, nothing typed") << u"blank"_s << false << false << true;
    QTest::newRow("typed: stay") << u"typed"_s << false << true << false;
    QTest::newRow("typed: leave") << u"typed"_s << true << true << true;
    QTest::newRow("handed in") << u"graded"_s << false << false << true;
    QTest::newRow("saved") << u"saved"_s << false << false << true;
}

void TestSessionTest::closingAsksOnlyWhenWorkWouldBeLost()
{
    QFETCH(QString, stage);
    QFETCH(bool, goAhead);
    QFETCH(bool, asked);
    QFETCH(bool, closes);
    Fixture f;
    f.services.messages.goAhead = goAhead;
    QStringList typed(PaperProblems, QString());
    if (stage != u"none"_s)
        QVERIFY(f.session.compose());
    if (stage != u"blank"_s && stage != u"none"_s)
        typed = f.answers(4);
    if (stage == u"graded"_s)
        QVERIFY(f.session.handIn(typed));
    if (stage == u"saved"_s)
        f.session.save(f.session.paper().PaperText(), u"试卷名"_s);
    QCOMPARE(f.session.mayClose(typed), closes);
    QCOMPARE(f.services.messages.asked.size(), asked ? 1 : 0);
}

void TestSessionTest::anEmptyPaperIsNotSaved()
{
    Fixture f;
    f.session.save(u" \r\n "_s, u"试卷名"_s);
    QCOMPARE(f.services.messages.shown, QList<Message>{NotReadyMessage()});
    QVERIFY(!QFile::exists(f.session.store().pathFor(u"试卷名"_s)));
}

void TestSessionTest::enterMovesToTheNextRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<std::optional<int>>("next");
    QTest::newRow("first") << 0 << std::optional<int>(1);
    QTest::newRow("ninth") << 8 << std::optional<int>(9);
    QTest::newRow("last") << 9 << std::optional<int>();
    QTest::newRow("no row") << -1 << std::optional<int>();
}

void TestSessionTest::enterMovesToTheNextRow()
{
    QFETCH(int, row);
    QFETCH(std::optional<int>, next);
    QCOMPARE(TestSession::RowAfter(row), next);
}

void TestSessionTest::loadStartsAfresh()
{
    Fixture f;
    f.session.setSoundOn(true);
    for (int second = 0; second < 75; ++second)
        f.session.clockTick();
    f.session.smileyTick();
    QCOMPARE(f.session.clockCaption(), u"1分15秒"_s);
    QCOMPARE(f.session.smileyTop(), SmileyBob::TopAt(1));
    QVERIFY(f.session.compose());
    QVERIFY(f.session.handIn(f.answers(10)));
    f.session.load();
    QCOMPARE(f.session.clockCaption(), u"0分0秒"_s);
    QCOMPARE(f.session.smileyTop(), SmileyBob::TopAt(0));
    QVERIFY(!f.session.paper().hasPaper());
    QVERIFY(!f.session.grading());
    QVERIFY(f.session.scoreCaption().isEmpty());
    QVERIFY(f.session.sounds().RightSound().isEmpty());
    QVERIFY(QFileInfo(f.session.store().folder()).isDir());
}

QTEST_GUILESS_MAIN(TestSessionTest)
#include "testsession_test.moc"
