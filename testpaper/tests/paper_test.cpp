// SPDX-License-Identifier: GPL-3.0-or-later
// The paper without its window: composing, grading, the clock, the face and the layout.
#include "grading.h"
#include "numbertext.h"
#include "papercomposer.h"
#include "resultsounds.h"
#include "testbanks.h"
#include "testclock.h"
#include "testlayout.h"
#include "testpaper.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <set>

using namespace Qt::Literals::StringLiterals;

class PaperTest : public QObject {
    Q_OBJECT

private:
    QString bank(int count, const std::function<QString(int)> &answerFor = TestBanks::DefaultAnswer)
    {
        const QString path = m_dir.filePath(u"tm%1.dat"_s.arg(++m_banks));
        if (!TestBanks::Write(path, count, answerFor))
            qFatal("cannot write a test bank");
        return path;
    }

    /// The stored answers of a composed paper, rows 0 … 9, without their padding.
    static QStringList rightAnswers(const TestPaper &paper)
    {
        QStringList answers;
        for (int i = 1; i <= PaperProblems; ++i)
            answers.append(paper.PaperRecords()[i].AnswerText.trimmed());
        return answers;
    }

    /// Ten record numbers drawn one after another, as a paper from a sound bank draws them.
    static std::array<int, PaperProblems> drawRecordNumbers(int poolSize, QRandomGenerator &random)
    {
        QList<int> drawn;
        while (drawn.size() < PaperProblems)
            drawn.append(DrawNewRecordNumber(poolSize, random, drawn));
        std::array<int, PaperProblems> numbers{};
        std::copy(drawn.begin(), drawn.end(), numbers.begin());
        return numbers;
    }

    QTemporaryDir m_dir;
    int m_banks = 0;

private Q_SLOTS:
    void initTestCase();
    void damagedRecordsNeverStandOnAPaper_data();
    void damagedRecordsNeverStandOnAPaper();
    void composeNeedsSixteenRecords_data();
    void composeNeedsSixteenRecords();
    void drawnNumbersAreDistinctAndInPool_data();
    void drawnNumbersAreDistinctAndInPool();
    void composedRecordsAreDistinctAndInBank();
    void composingAgainGivesAnotherPaper();
    void paperTextFormat();
    void paperRecordCutAtMarker_data();
    void paperRecordCutAtMarker();
    void failedComposeLeavesNoPaper();
    void handInWithoutPaperGradesNothing();
    void resultBands_data();
    void resultBands();
    void scoreAndMarkTexts();
    void gradeOneRow_data();
    void gradeOneRow();
    void wrongRowsGetTheirRightAnswerAndTheirTypicalMistake_data();
    void wrongRowsGetTheirRightAnswerAndTheirTypicalMistake();
    void inputMethodHintNamesTheWrongRowsTypedWithAChineseInputMethod();
    void aBareNumberForAPercentageGetsAHintWhereTheProblemAsksForOne();
    void hintsShowOneAtATimeFirstInOrder();
    void clockText_data();
    void clockText();
    void clockTicks();
    void countersGoOnPastSixteenBits();
    void smileyBobsBetweenZeroAndFiveHundred();
    void layoutOfAStandardScreen();
    void soundSwitch();
};

void PaperTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void PaperTest::damagedRecordsNeverStandOnAPaper_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstDamaged"); ///< records from here on have the answer "abc"
    QTest::addColumn<bool>("composes");
    QTest::newRow("sound") << 30 << 31 << true;
    QTest::newRow("half damaged") << 30 << 16 << true;
    QTest::newRow("ten sound problems") << 30 << 12 << true;
    QTest::newRow("nine sound problems") << 30 << 11 << false;
    QTest::newRow("all damaged") << 20 << 2 << false;
}

void PaperTest::damagedRecordsNeverStandOnAPaper()
{
    QFETCH(int, count);
    QFETCH(int, firstDamaged);
    QFETCH(bool, composes);
    const QString path = bank(count, [firstDamaged](int k) {
        return k >= firstDamaged ? u"abc"_s : TestBanks::DefaultAnswer(k);
    });
    for (quint32 seed = 1; seed <= 20; ++seed) {
        TestPaper paper{QRandomGenerator(seed)};
        QCOMPARE(paper.compose(path), composes);
        QCOMPARE(paper.hasPaper(), composes);
        if (!composes) {
            QVERIFY(paper.damageFound());
            QVERIFY(paper.PaperText().isEmpty());
            continue;
        }
        for (int i = 1; i <= PaperProblems; ++i)
            QVERIFY(paper.PaperRecordNumbers()[i] < firstDamaged);
        if (firstDamaged > count) {
            // A sound bank draws exactly the records it always drew.
            QRandomGenerator random(seed);
            const std::array<int, PaperProblems> numbers =
                drawRecordNumbers(paper.PoolSize(), random);
            QVERIFY(
                std::equal(numbers.begin(), numbers.end(), paper.PaperRecordNumbers().begin() + 1));
            QVERIFY(!paper.damageFound());
        }
    }
}

void PaperTest::composeNeedsSixteenRecords_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("composes");
    QTest::addColumn<int>("poolSize");
    QTest::newRow("missing bank") << -1 << false << -2;
    QTest::newRow("empty bank") << 0 << false << -2;
    QTest::newRow("introduction only") << 1 << false << -1;
    QTest::newRow("15 records") << 15 << false << 13;
    QTest::newRow("16 records") << 16 << true << 14;
    QTest::newRow("17 records") << 17 << true << 15;
    QTest::newRow("60 records") << 60 << true << 58;
}

void PaperTest::composeNeedsSixteenRecords()
{
    QFETCH(int, records);
    QFETCH(bool, composes);
    QFETCH(int, poolSize);
    TestPaper paper(QRandomGenerator(7));
    const QString path = records < 0 ? m_dir.filePath(u"missing.dat"_s) : bank(records);
    QCOMPARE(paper.compose(path), composes);
    QCOMPARE(paper.PoolSize(), poolSize);
    QCOMPARE(paper.hasPaper(), composes);
    QCOMPARE(paper.PaperText().isEmpty(), !composes);
    QCOMPARE(paper.Score(), 0);
}

void PaperTest::drawnNumbersAreDistinctAndInPool_data()
{
    QTest::addColumn<int>("poolSize");
    QTest::newRow("smallest pool") << 14;
    QTest::newRow("pool of ten") << 10;
    QTest::newRow("large pool") << 300;
}

void PaperTest::drawnNumbersAreDistinctAndInPool()
{
    QFETCH(int, poolSize);
    std::set<int> everDrawn;
    for (quint32 seed = 1; seed <= 300; ++seed) {
        QRandomGenerator random(seed);
        const std::array<int, PaperProblems> numbers = drawRecordNumbers(poolSize, random);
        const std::set<int> distinct(numbers.begin(), numbers.end());
        QCOMPARE(int(distinct.size()), PaperProblems);
        QVERIFY(*distinct.begin() >= 2);
        QVERIFY(*distinct.rbegin() <= poolSize + 1);
        everDrawn.insert(numbers.begin(), numbers.end());
    }
    // Every drawable record turns up on some paper; the introduction never does.
    if (poolSize <= 14)
        QCOMPARE(int(everDrawn.size()), poolSize);
}

void PaperTest::composedRecordsAreDistinctAndInBank()
{
    const QString path = bank(16);
    TestPaper paper(QRandomGenerator(11));
    for (int round = 0; round < 50; ++round) {
        QVERIFY(paper.compose(path));
        const auto &numbers = paper.PaperRecordNumbers();
        const std::set<int> distinct(numbers.begin() + 1, numbers.end());
        QCOMPARE(int(distinct.size()), PaperProblems);
        QVERIFY(*distinct.begin() >= 2);
        QVERIFY(*distinct.rbegin() <= 15);
        for (int i = 1; i <= PaperProblems; ++i) {
            QCOMPARE(paper.PaperRecords()[i].AnswerText.trimmed(),
                     TestBanks::DefaultAnswer(numbers[i]));
        }
    }
}

void PaperTest::composingAgainGivesAnotherPaper()
{
    // One generator, seeded once: two papers in the same instant still differ.
    const QString path = bank(60);
    TestPaper paper(QRandomGenerator(3));
    QVERIFY(paper.compose(path));
    const QString first = paper.PaperText();
    QVERIFY(paper.compose(path));
    QVERIFY(paper.PaperText() != first);
}

void PaperTest::paperTextFormat()
{
    TestPaper paper(QRandomGenerator(5));
    QVERIFY(paper.compose(bank(16)));
    const QString text = paper.PaperText();
    QVERIFY(text.endsWith(u"？\r\n\r\n"_s));
    const QStringList blocks = text.split(u"\r\n\r\n"_s);
    QCOMPARE(blocks.size(), PaperProblems + 1);
    QVERIFY(blocks.last().isEmpty());
    for (int i = 1; i <= PaperProblems; ++i) {
        const int record = paper.PaperRecordNumbers()[i];
        QCOMPARE(blocks[i - 1],
                 u" "_s + QString::number(i) + u"、"_s + TestBanks::ProblemFor(record));
    }
    QVERIFY(blocks[0].startsWith(u" 1、第"_s));
    QVERIFY(blocks[9].startsWith(u" 10、第"_s));
}

void PaperTest::paperRecordCutAtMarker_data()
{
    QTest::addColumn<QString>("problemText");
    QTest::addColumn<QString>("cut");
    QTest::addColumn<QString>("block");
    const QString padding(20, u' ');
    QTest::newRow("text and marker")
        << u"一共几个？&"_s + padding << u"一共几个？"_s.leftJustified(26, u' ')
        << u" 3、一共几个？\r\n\r\n"_s;
    QTest::newRow("marker first") << u"&后面的字"_s + padding << QString(25, u' ')
                                  << u" 3、\r\n\r\n"_s;
    QTest::newRow("no marker") << u"没有结束符 "_s + padding << u"没有结束符 "_s + padding
                               << u" 3、没有结束符\r\n\r\n"_s;
    QTest::newRow("blanks inside stay")
        << u"甲 乙  丙&"_s << u"甲 乙  丙 "_s << u" 3、甲 乙  丙\r\n\r\n"_s;
}

void PaperTest::paperRecordCutAtMarker()
{
    QFETCH(QString, problemText);
    QFETCH(QString, cut);
    QFETCH(QString, block);
    const ProblemRecord record{problemText, u"解答&"_s, u"12        "_s};
    const ProblemRecord paperRecord = PaperRecordOf(record);
    QCOMPARE(paperRecord.ProblemText, cut);
    QCOMPARE(paperRecord.AnswerText, record.AnswerText);
    QCOMPARE(paperRecord.SolutionText, record.SolutionText);
    QCOMPARE(PaperBlock(3, paperRecord), block);
}

void PaperTest::failedComposeLeavesNoPaper()
{
    TestPaper paper(QRandomGenerator(9));
    QVERIFY(paper.compose(bank(16)));
    const auto records = paper.PaperRecords();
    QVERIFY(paper.handIn(rightAnswers(paper)));
    QCOMPARE(paper.Score(), 100);
    QVERIFY(!paper.compose(bank(15)));
    QVERIFY(!paper.hasPaper());
    QVERIFY(paper.PaperText().isEmpty());
    QCOMPARE(paper.Score(), 0);
    QVERIFY(paper.PaperRecords() == records);
    QVERIFY(!paper.handIn(rightAnswers(paper)));
}

void PaperTest::handInWithoutPaperGradesNothing()
{
    TestPaper paper(QRandomGenerator(1));
    // Before any paper the expected answers are empty, and empty answers would be right.
    QVERIFY(!paper.handIn(QStringList(PaperProblems, QString())));
    QCOMPARE(paper.Score(), 0);
    QCOMPARE(paper.state(), TestPaper::State::NoPaper);
}

void PaperTest::resultBands_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("fontSize");
    QTest::addColumn<bool>("frown");
    QTest::addColumn<bool>("rightSound");
    QTest::newRow("0") << 0 << u"还要努力啊!"_s << 25.0 << true << false;
    QTest::newRow("59") << 59 << u"还要努力啊!"_s << 25.0 << true << false;
    QTest::newRow("60") << 60 << u"再努力 上台阶"_s << 25.0 << false << false;
    QTest::newRow("85") << 85 << u"再努力 上台阶"_s << 25.0 << false << false;
    QTest::newRow("86") << 86 << u"好"_s << 72.0 << false << true;
    QTest::newRow("99") << 99 << u"好"_s << 72.0 << false << true;
    QTest::newRow("100") << 100 << u"奖"_s << 72.0 << false << true;
}

void PaperTest::resultBands()
{
    QFETCH(int, score);
    QFETCH(QString, word);
    QFETCH(double, fontSize);
    QFETCH(bool, frown);
    QFETCH(bool, rightSound);
    const ResultBand band = ResultBandFor(score);
    QCOMPARE(band.caption, word);
    QCOMPARE(band.fontSize, fontSize);
    QCOMPARE(band.frown, frown);
    QCOMPARE(band.sound == ResultSound::Right, rightSound);
}

void PaperTest::scoreAndMarkTexts()
{
    QCOMPARE(ScoreText(0), u"我的成绩0分"_s);
    QCOMPARE(ScoreText(70), u"我的成绩70分"_s);
    QCOMPARE(ScoreText(100), u"我的成绩100分"_s);
    QCOMPARE(MarkText(true), u"√"_s);
    QCOMPARE(MarkText(false), u"×"_s);
}

void PaperTest::gradeOneRow_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("bracketErrors");
    QTest::newRow("ratio against decimal") << u"3:4"_s << u"0.75      "_s << true << 0;
    QTest::newRow("percent against decimal") << u"25%"_s << u"0.25      "_s << true << 0;
    QTest::newRow("decimal against percent") << u"0.25"_s << u"25%       "_s << true << 0;
    QTest::newRow("fraction against stored fraction") << u"0.75"_s << u"3/4       "_s << true << 0;
    QTest::newRow("expression") << u"(12+8)*3"_s << u"60        "_s << true << 0;
    QTest::newRow("third against 0.333") << u"1/3"_s << u"0.333     "_s << false << 0;
    QTest::newRow("empty against a number") << QString() << u"5         "_s << false << 0;
    QTest::newRow("empty against 0") << QString() << u"0         "_s << true << 0;
    QTest::newRow("open bracket counts as 0") << u"(3*4"_s << u"12        "_s << false << 1;
    QTest::newRow("open bracket against 0") << u"(3*4"_s << u"0         "_s << true << 1;
    QTest::newRow("division by zero") << u"12/0"_s << u"12        "_s << false << 0;
    QTest::newRow("overflow") << u"1E308*10"_s << u"5         "_s << false << 0;
    QTest::newRow("equation as in practice") << u"x+3=5"_s << u"2         "_s << true << 0;
    QTest::newRow("wrong result after =") << u"128-75=99"_s << u"53        "_s << false << 0;
}

void PaperTest::gradeOneRow()
{
    QFETCH(QString, answer);
    QFETCH(QString, stored);
    QFETCH(bool, right);
    QFETCH(int, bracketErrors);
    // The row under test comes first; the rows after it are graded all the same.
    std::array<QString, PaperProblems> expected;
    expected.fill(u"7         "_s);
    expected[0] = stored;
    QStringList answers(PaperProblems, u"7"_s);
    answers[0] = answer;
    const Grading grading = GradePaper(answers, expected);
    QCOMPARE(grading.rows[0].right, right);
    QCOMPARE(grading.rows[0].bracketErrors, bracketErrors);
    QCOMPARE(grading.Score, right ? 100 : 90);
}

void PaperTest::wrongRowsGetTheirRightAnswerAndTheirTypicalMistake_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("rightAnswer");
    QTest::addColumn<QString>("explanation");
    const QString subtracted = u"鸭比鸡多，要用加法。"_s;
    QTest::newRow("right") << u"46+18"_s << u"64"_s << QString() << QString();
    QTest::newRow("the typical mistake") << u"46-18"_s << u"64"_s << u"答案：64"_s << subtracted;
    QTest::newRow("its value") << u"28"_s << u"64"_s << u"答案：64"_s << subtracted;
    QTest::newRow("its value as an equation")
        << u"x+18=46"_s << u"64"_s << u"答案：64"_s << subtracted;
    QTest::newRow("another mistake") << u"46*18"_s << u"64"_s << u"答案：64"_s << QString();
    QTest::newRow("empty") << QString() << u"64"_s << u"答案：64"_s << QString();
    // Typed with an input method on: the hint speaks, the value says nothing of the method.
    QTest::newRow("input method") << u"28＋0"_s << u"64"_s << u"答案：64"_s << QString();
    QTest::newRow("stored percentage") << u"0.3"_s << u"25%"_s << u"答案：0.25"_s << QString();
    QTest::newRow("unreadable stored answer") << u"5"_s << u"abc"_s << QString() << QString();
}

void PaperTest::wrongRowsGetTheirRightAnswerAndTheirTypicalMistake()
{
    QFETCH(QString, answer);
    QFETCH(QString, stored);
    QFETCH(QString, rightAnswer);
    QFETCH(QString, explanation);
    std::array<QString, PaperProblems> expected;
    expected.fill(u"7"_s);
    expected[3] = stored;
    QStringList answers(PaperProblems, u"7"_s);
    answers[3] = answer;
    std::array<QList<MistakeNote>, PaperProblems> notes;
    notes.fill({{5, u"7-1"_s, u"别的题。"_s}});
    notes[3] = {{5, u"46-18"_s, u"鸭比鸡多，要用加法。"_s}};
    const Grading grading = GradePaper(answers, expected, {}, notes);
    QCOMPARE(grading.rightAnswers[3], rightAnswer);
    QCOMPARE(grading.explanations[3], explanation);
    for (int row : {0, 9}) {
        QVERIFY(grading.rightAnswers[row].isEmpty());
        QVERIFY(grading.explanations[row].isEmpty());
    }
}

void PaperTest::inputMethodHintNamesTheWrongRowsTypedWithAChineseInputMethod()
{
    std::array<QString, PaperProblems> expected;
    expected.fill(u"12        "_s);
    QStringList answers(PaperProblems, u"3*4"_s);
    answers[2] = u"3×4"_s;
    answers[6] = u"（5+7）"_s;
    answers[8] = u"13"_s;
    const Grading grading = GradePaper(answers, expected);
    QCOMPARE(grading.Score, 70);
    QCOMPARE(grading.inputHint, u"提示：第3、7题请用英文输入法输入 + - * / ( ) 和数字"_s);
    QVERIFY(GradePaper(QStringList(PaperProblems, u"12"_s), expected).inputHint.isEmpty());
}

void PaperTest::aBareNumberForAPercentageGetsAHintWhereTheProblemAsksForOne()
{
    std::array<QString, PaperProblems> expected;
    expected.fill(u"0.75      "_s);
    std::array<QString, PaperProblems> problems;
    problems.fill(u"一个台灯原价80元，现在卖60元，现价是原价的百分之几？&"_s);
    problems[1] = u"一共有多少？&"_s;
    QStringList answers(PaperProblems, u"75%"_s);
    answers[1] = u"75"_s;
    answers[4] = u"75"_s;
    answers[6] = u"75"_s;
    const Grading grading = GradePaper(answers, expected, problems);
    QCOMPARE(grading.Score, 70);
    QCOMPARE(grading.inputHint, u"提示：第5、7题百分数要写成 75%"_s);
    // The rows are graded as before: the hint never changes a mark.
    QVERIFY(!grading.rows[4].right);
}

void PaperTest::hintsShowOneAtATimeFirstInOrder()
{
    std::array<QString, PaperProblems> expected;
    expected.fill(u"12        "_s);
    QStringList answers(PaperProblems, u"3*4"_s);
    answers[2] = u"3x=36"_s;
    answers[5] = u"1,2*10"_s;
    answers[8] = u"4(1+2)"_s;
    QCOMPARE(GradePaper(answers, expected).inputHint, u"提示：第6题小数点要用 . 输入"_s);
    answers[5] = u"12"_s;
    QCOMPARE(GradePaper(answers, expected).inputHint,
             u"提示：第3、9题乘号不能省略，3x 要写成 3*x"_s);
}

void PaperTest::clockText_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("start") << qint64(0) << u"0分0秒"_s;
    QTest::newRow("5 s") << qint64(5) << u"0分5秒"_s;
    QTest::newRow("59 s") << qint64(59) << u"0分59秒"_s;
    QTest::newRow("60 s") << qint64(60) << u"1分0秒"_s;
    QTest::newRow("75 s") << qint64(75) << u"1分15秒"_s;
    QTest::newRow("16-bit limit") << qint64(32767) << u"546分7秒"_s;
    QTest::newRow("a day") << qint64(86400) << u"1440分0秒"_s;
}

void PaperTest::clockText()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(ClockText(seconds), text);
}

void PaperTest::clockTicks()
{
    TestClock clock;
    QString shown;
    for (int tick = 0; tick < 59; ++tick)
        shown = clock.tick();
    QCOMPARE(shown, u"0分59秒"_s);
    QCOMPARE(clock.tick(), u"1分0秒"_s);
    clock.reset();
    QCOMPARE(clock.tick(), u"0分1秒"_s);
}

void PaperTest::countersGoOnPastSixteenBits()
{
    TestClock clock(32767);
    QCOMPARE(clock.tick(), u"546分8秒"_s);
    QCOMPARE(clock.ElapsedSeconds(), 32768);
    SmileyBob bob(32767);
    const double top = bob.tick();
    QCOMPARE(bob.AnimationTicks(), 32768);
    QCOMPARE(top, SmileyBob::TopAt(32768));
    QVERIFY(top >= 0 && top <= 500);
    // The face keeps moving.
    QVERIFY(bob.tick() != top);
}

void PaperTest::smileyBobsBetweenZeroAndFiveHundred()
{
    SmileyBob bob;
    QCOMPARE(bob.tick(), std::sin(1.0) * 250 + 250);
    std::set<int> tops;
    for (int tick = 0; tick < 200; ++tick) {
        const double top = bob.tick();
        QVERIFY(top >= 0 && top <= 500);
        tops.insert(int(top / 50));
    }
    QVERIFY(tops.size() >= 9);
    bob.reset();
    QCOMPARE(bob.AnimationTicks(), 0);
}

void PaperTest::layoutOfAStandardScreen()
{
    // 1024 × 768 pixels.
    const TestLayout layout = TestLayoutFor(15360, 11520);
    auto near = [](double a, double b) { return std::abs(a - b) < 0.1; };
    QVERIFY(near(layout.option1.y(), 8228.6));
    QCOMPARE(layout.option1.x(), 9600.0);
    QCOMPARE(layout.option2, QPointF(11000, layout.option1.y()));
    QVERIFY(near(layout.option3.y(), 8861.5));
    QVERIFY(near(layout.option3.x(), 6981.8));
    QCOMPARE(layout.option7.x(), 9600.0);
    QCOMPARE(layout.option4.x(), 11000.0);
    QCOMPARE(layout.option8.x(), 13000.0);
    for (const QPointF &lower : {layout.option4, layout.option7, layout.option8})
        QCOMPARE(lower.y(), layout.option3.y());
    QVERIFY(near(layout.text1.width(), 15360 / 1.7));
    QVERIFY(near(layout.text1.height(), 8228.6));
    QVERIFY(near(layout.label4.y(), 8911.5));
    QCOMPARE(layout.label4.x(), 1000.0);
    QCOMPARE(layout.text3.x(), 3800.0);
    QCOMPARE(layout.rightColumn, 12600.0);
    QCOMPARE(layout.frame1Top, 7200.0);
    QCOMPARE(layout.frame4Top, 5760.0);
    QVERIFY(near(layout.label5Top, 11520 / 3.5));
    QCOMPARE(layout.label2Left, 9600.0);
    QCOMPARE(layout.text2Left, 10600.0);
    QCOMPARE(layout.label7Left, 11600.0);
    QCOMPARE(AnswerRowTop(0), 240.0);
    QCOMPARE(AnswerRowTop(9), 6720.0);
}

void PaperTest::soundSwitch()
{
    ProgramSettings settings;
    settings.ProgramFolder = u"/opt/lumaro"_s;
    ResultSounds sounds;
    QVERIFY(sounds.RightSound().isEmpty() && sounds.WrongSound().isEmpty());
    sounds.switchOn(settings);
    QCOMPARE(sounds.RightSound(), u"/opt/lumaro/dui.wav"_s);
    QCOMPARE(sounds.WrongSound(), u"/opt/lumaro/zhadan.wav"_s);
    QCOMPARE(sounds.pathFor(ResultSound::Right), sounds.RightSound());
    QCOMPARE(sounds.pathFor(ResultSound::Wrong), sounds.WrongSound());
    sounds.switchOff();
    QVERIFY(sounds.RightSound().isEmpty() && sounds.WrongSound().isEmpty());
}

QTEST_GUILESS_MAIN(PaperTest)
#include "paper_test.moc"
