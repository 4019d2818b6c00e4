// SPDX-License-Identifier: GPL-3.0-or-later
#include "examplelesson.h"
#include "programsettings.h"
#include "recordingservices.h"
#include "testbanks.h"
#include "textsurface.h"
#include "units.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace Qt::Literals::StringLiterals;

using Phase = ExampleLesson::Phase;

namespace {

/// The text of each line of the surface, top to bottom.
QStringList lines(const TextSurface &surface)
{
    std::map<double, QString> byTop;
    for (const TextSurface::Run &run : surface.runs())
        byTop[run.at.y()] += run.text;
    QStringList text;
    for (const auto &[top, line] : byTop)
        text.append(line);
    return text;
}

/// Drives both typewriters to the end of the record on the board.
void finishRecord(ExampleLesson &lesson)
{
    for (int tick = 0; tick < 1000 && lesson.problemTyping(); ++tick)
        lesson.problemTick();
    for (int tick = 0; tick < 1000 && lesson.solutionTyping(); ++tick)
        lesson.solutionTick();
}

const TextSurface::Run *findRun(const TextSurface &surface, const QString &text)
{
    for (const TextSurface::Run &run : surface.runs()) {
        if (run.text == text)
            return &run;
    }
    return nullptr;
}

} // namespace

class ExampleLessonTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void showsTheIntroductionThenTheExamplesThenTheClosingWords();
    void endsOnReachingTheLastRecord_data();
    void endsOnReachingTheLastRecord();
    void theClosingWordsStandAloneInLargeScript();
    void nextFollowsTheTypewriters();
    void theIntroductionRunsOnAsOneText();
    void anExampleIsHeadedAndItsSolutionFollowsBelow();
    void onlyTheFirstExampleIsIndented();
    void fieldsWithoutTheirMarkerStopAtTheirText();
    void requestsTheNarrationOfEachRecord_data();
    void requestsTheNarrationOfEachRecord();
    void loadStartsAgainFromTheIntroduction();

private:
    QString bankPath() const { return m_dir.filePath(u"tm1.dat"_s); }

    QTemporaryDir m_dir;
    ProgramSettings m_settings;
    RecordingSound m_sound;
    TextSurface m_surface;
};

void ExampleLessonTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void ExampleLessonTest::init()
{
    m_settings =
        ProgramSettings{QDir::toNativeSeparators(m_dir.path()), u"\\tm1.dat"_s, u"\\jiangjie1"_s};
    m_sound.played.clear();
    QFile::remove(bankPath());
}

void ExampleLessonTest::showsTheIntroductionThenTheExamplesThenTheClosingWords()
{
    QVERIFY(TestBanks::Write(bankPath(), TestBanks::Numbered(5)));
    ExampleLesson lesson(m_surface, m_sound);
    lesson.load();
    const QList<QStringList> boards{
        {u"   题1   解1"_s},
        {u"    例题 1"_s, u"   题2"_s, u"解2"_s},
        {u"    例题 2"_s, u"题3"_s, u"解3"_s},
        {u"    例题 3"_s, u"题4"_s, u"解4"_s},
    };
    for (int click = 1; click <= 4; ++click) {
        lesson.nextExample(m_settings);
        QCOMPARE(lesson.exampleNo(), click);
        QCOMPARE(lesson.recordCount(), 5);
        QCOMPARE(lesson.phase(), Phase::TypingProblem);
        finishRecord(lesson);
        QCOMPARE(lesson.phase(), Phase::Complete);
        QCOMPARE(lines(m_surface), boards[click - 1]);
    }
    lesson.nextExample(m_settings);
    QCOMPARE(lesson.exampleNo(), 5);
    QCOMPARE(lesson.phase(), Phase::Ended);
    QCOMPARE(lines(m_surface), QStringList{u"例题讲解结束"_s});
    // The last record's narration says the closing words.
    QCOMPARE(m_sound.played.size(), 5);
    QVERIFY(m_sound.played.last().endsWith(u"jiangjie15.ogg"_s));
}

void ExampleLessonTest::endsOnReachingTheLastRecord_data()
{
    QTest::addColumn<int>("records"); // -1: no bank at all
    QTest::addColumn<int>("examples");
    QTest::newRow("missing bank") << -1 << 0;
    QTest::newRow("empty bank") << 0 << 0;
    QTest::newRow("introduction only") << 1 << 0;
    QTest::newRow("introduction and the last problem") << 2 << 1;
    QTest::newRow("three records") << 3 << 2;
    QTest::newRow("twenty records") << 20 << 19;
}

void ExampleLessonTest::endsOnReachingTheLastRecord()
{
    QFETCH(int, records);
    QFETCH(int, examples);
    if (records >= 0)
        QVERIFY(TestBanks::Write(bankPath(), TestBanks::Numbered(records)));
    ExampleLesson lesson(m_surface, m_sound);
    lesson.load();
    for (int shown = 1; shown <= examples; ++shown) {
        lesson.nextExample(m_settings);
        QCOMPARE(lesson.phase(), Phase::TypingProblem);
        finishRecord(lesson);
        QVERIFY(lesson.nextEnabled());
    }
    lesson.nextExample(m_settings);
    QCOMPARE(lesson.phase(), Phase::Ended);
    QCOMPARE(lines(m_surface), QStringList{ExampleLesson::ClosingWords});
    QCOMPARE(m_sound.played.size(), examples + 1);
    if (records < 0)
        QVERIFY(!QFile::exists(bankPath())); // a missing bank is not made
}

void ExampleLessonTest::theClosingWordsStandAloneInLargeScript()
{
    QVERIFY(TestBanks::Write(bankPath(), TestBanks::Numbered(2)));
    ExampleLesson lesson(m_surface, m_sound);
    lesson.load();
    lesson.nextExample(m_settings);
    finishRecord(lesson);
    lesson.nextExample(m_settings);

    QCOMPARE(int(m_surface.runs().size()), 1);
    const TextSurface::Run &words = m_surface.runs().front();
    QCOMPARE(words.text, u"例题讲解结束"_s);
    QCOMPARE(words.at, QPointF(3000, 2000));
    QCOMPARE(words.fontName, u"华文新魏"_s);
    QCOMPARE(words.fontSize, 36.0);
    QCOMPARE(words.color, colorFromBgr(Bgr::Red));
    QCOMPARE(lesson.markerPlace(), QPointF(7000, 2800));
    QVERIFY(!lesson.nextEnabled());
    QVERIFY(!lesson.problemTyping());
    QVERIFY(!lesson.solutionTyping());

    // Nothing moves on from here.
    lesson.nextExample(m_settings);
    lesson.problemTick();
    lesson.solutionTick();
    QCOMPARE(lesson.exampleNo(), 2);
    QCOMPARE(int(m_surface.runs().size()), 1);
    QCOMPARE(m_sound.played.size(), 2);
}

void ExampleLessonTest::nextFollowsTheTypewriters()
{
    QVERIFY(TestBanks::Write(bankPath(), TestBanks::Numbered(3)));
    ExampleLesson lesson(m_surface, m_sound);
    lesson.load();
    QCOMPARE(lesson.phase(), Phase::Loaded);
    QVERIFY(lesson.nextEnabled());
    QCOMPARE(lesson.nextCaption(), u"开始学习"_s);

    lesson.nextExample(m_settings);
    QVERIFY(lesson.problemTyping());
    QVERIFY(!lesson.nextEnabled());
    QCOMPARE(lesson.nextCaption(), u"下一题"_s);
    // A click that slips through while typing changes nothing.
    lesson.nextExample(m_settings);
    QCOMPARE(lesson.exampleNo(), 1);

    while (lesson.problemTyping())
        lesson.problemTick();
    QVERIFY(lesson.solutionTyping());
    QVERIFY(!lesson.nextEnabled());
    lesson.problemTick(); // a late tick of the stopped timer
    QVERIFY(lesson.solutionTyping());

    while (lesson.solutionTyping())
        lesson.solutionTick();
    QCOMPARE(lesson.phase(), Phase::Complete);
    QVERIFY(lesson.nextEnabled());
    QCOMPARE(lesson.nextCaption(), u"下一题"_s);
}

void ExampleLessonTest::theIntroductionRunsOnAsOneText()
{
    QVERIFY(TestBanks::Write(bankPath(), {{u"甲乙&"_s, u"丙，丁。&"_s}, {u"题&"_s, u"解&"_s}}));
    ExampleLesson lesson(m_surface, m_sound);
    lesson.load();
    lesson.nextExample(m_settings);
    finishRecord(lesson);

    const double height = m_surface.lineHeight();
    const TextSurface::Run *first = findRun(m_surface, u"甲"_s);
    const TextSurface::Run *last = findRun(m_surface, u"乙"_s);
    QVERIFY(first && last);
    QCOMPARE(first->at, QPointF(2000 + m_surface.textWidth(u"   "_s), 3 * height));
    QCOMPARE(int(m_surface.runs().size()), 3 + 2 + 3 + 4);
    // The solution's first blank stands 450 twips left of where the "&" would have been.
    const TextSurface::Run &solutionStart = m_surface.runs()[5];
    QCOMPARE(solutionStart.text, u" "_s);
    QCOMPARE(solutionStart.at, QPointF(last->at.x() + last->width - 450, last->at.y()));
    QCOMPARE(lines(m_surface), QStringList{u"   甲乙   丙，丁。"_s});
}

void ExampleLessonTest::anExampleIsHeadedAndItsSolutionFollowsBelow()
{
    QVERIFY(TestBanks::Write(bankPath(),
                             {{u"介绍&"_s, u"关系&"_s},
                              {u"小明有3本书，又买了4本。&"_s, u"列式：3+4=7（本）。答：7本。&"_s},
                              {u"末&"_s, u"末&"_s}}));
    ExampleLesson lesson(m_surface, m_sound);
    lesson.load();
    lesson.nextExample(m_settings);
    finishRecord(lesson);
    lesson.nextExample(m_settings);
    finishRecord(lesson);

    const double height = m_surface.lineHeight();
    const TextSurface::Run &heading = m_surface.runs().front();
    QCOMPARE(heading.text, u"    例题 1"_s);
    QCOMPARE(heading.at, QPointF(0, height));
    QCOMPARE(heading.fontName, u"新宋体"_s);
    QCOMPARE(heading.fontSize, 18.0);
    QCOMPARE(heading.color, colorFromBgr(Bgr::Red));
    const TextSurface::Run *problem = findRun(m_surface, u"小"_s);
    QVERIFY(problem);
    QCOMPARE(problem->at.y(), 5 * height);
    const TextSurface::Run *solution = findRun(m_surface, u"列"_s);
    QVERIFY(solution);
    QCOMPARE(solution->at, QPointF(2000, 7 * height));
    QCOMPARE(lines(m_surface),
             (QStringList{u"    例题 1"_s, u"   小明有3本书，又买了4本。"_s, u"列式："_s,
                          u"3+4=7（本）。"_s, u"答："_s, u"7本。"_s}));
}

void ExampleLessonTest::onlyTheFirstExampleIsIndented()
{
    QVERIFY(TestBanks::Write(bankPath(), TestBanks::Numbered(4)));
    ExampleLesson lesson(m_surface, m_sound);
    lesson.load();
    QCOMPARE(lesson.indent(), 3);
    lesson.nextExample(m_settings);
    finishRecord(lesson);
    QCOMPARE(lesson.indent(), 3);
    lesson.nextExample(m_settings);
    while (lesson.problemTyping())
        lesson.problemTick();
    QCOMPARE(lesson.indent(), 0);
    finishRecord(lesson);
    lesson.nextExample(m_settings);
    finishRecord(lesson);
    QCOMPARE(lines(m_surface), (QStringList{u"    例题 2"_s, u"题3"_s, u"解3"_s}));
    QCOMPARE(lesson.indent(), 0);
}

void ExampleLessonTest::fieldsWithoutTheirMarkerStopAtTheirText()
{
    // A record without its markers is damaged: passed over, with one notice for the window.
    QVERIFY(TestBanks::Write(bankPath(), {{u"介绍&"_s, u"关系&"_s},
                                          {u"题二"_s, u"解二"_s},
                                          {u"题三&"_s, u"解三&"_s},
                                          {QString(20, QChar::Null), u"解四&"_s},
                                          {u"末&"_s, u"末&"_s}}));
    ExampleLesson lesson(m_surface, m_sound);
    lesson.load();
    lesson.nextExample(m_settings);
    QVERIFY(!lesson.takeDamageNotice());
    finishRecord(lesson);
    lesson.nextExample(m_settings);
    QCOMPARE(lesson.exampleNo(), 3);
    QVERIFY(lesson.takeDamageNotice());
    QVERIFY(!lesson.takeDamageNotice());
    finishRecord(lesson);
    QCOMPARE(lines(m_surface), (QStringList{u"    例题 2"_s, u"   题三"_s, u"解三"_s}));
    // The next damaged record is passed over without another notice, up to the end.
    lesson.nextExample(m_settings);
    QCOMPARE(lesson.phase(), Phase::Ended);
    QVERIFY(!lesson.takeDamageNotice());
    // The narration of each record shown, and of the end, never of a damaged one.
    QCOMPARE(m_sound.played.last(), ExampleLesson::NarrationPath(m_settings, 5));
    lesson.load();
    lesson.nextExample(m_settings);
    finishRecord(lesson);
    lesson.nextExample(m_settings);
    QVERIFY(lesson.takeDamageNotice());
}

void ExampleLessonTest::requestsTheNarrationOfEachRecord_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("files");
    for (int type = 1; type <= 5; ++type) {
        const QString prefix = u"jiangjie%1"_s.arg(type);
        QStringList files;
        for (int record = 1; record <= 4; ++record)
            files.append(prefix + QString::number(record) + u".ogg"_s);
        QTest::addRow("type %d", type) << type << u"\\"_s + prefix << files;
    }
    QTest::newRow("no prefix") << 3 << QString()
                               << QStringList{u"1.ogg"_s, u"2.ogg"_s, u"3.ogg"_s, u"4.ogg"_s};
}

void ExampleLessonTest::requestsTheNarrationOfEachRecord()
{
    QFETCH(int, type);
    QFETCH(QString, prefix);
    QFETCH(QStringList, files);
    m_settings.BankFileName = u"\\tm%1.dat"_s.arg(type);
    m_settings.ExampleSoundPrefix = prefix;
    QVERIFY(TestBanks::Write(m_dir.filePath(u"tm%1.dat"_s.arg(type)), TestBanks::Numbered(4)));
    ExampleLesson lesson(m_surface, m_sound);
    lesson.load();
    for (int click = 1; click <= 4; ++click) {
        lesson.nextExample(m_settings);
        finishRecord(lesson);
    }
    QCOMPARE(lesson.phase(), Phase::Ended);
    // With no prefix the number follows the folder's own name directly.
    const QString folder =
        m_settings.ProgramFolder + (prefix.isEmpty() ? QString() : QString(QDir::separator()));
    QStringList expected;
    for (const QString &file : files)
        expected.append(folder + file);
    QCOMPARE(m_sound.played, expected);
    QCOMPARE(ExampleLesson::NarrationPath(m_settings, 4), expected.last());
}

void ExampleLessonTest::loadStartsAgainFromTheIntroduction()
{
    QVERIFY(TestBanks::Write(bankPath(), TestBanks::Numbered(3)));
    ExampleLesson lesson(m_surface, m_sound);
    lesson.load();
    for (int click = 1; click <= 3; ++click) {
        lesson.nextExample(m_settings);
        finishRecord(lesson);
    }
    QCOMPARE(lesson.phase(), Phase::Ended);

    lesson.load();
    QCOMPARE(lesson.phase(), Phase::Loaded);
    QCOMPARE(lesson.exampleNo(), 0);
    QCOMPARE(lesson.indent(), 3);
    QCOMPARE(lesson.nextCaption(), u"开始学习"_s);
    QCOMPARE(lesson.markerPlace(), ExampleLesson::DesignMarkerPlace);
    QVERIFY(m_surface.runs().empty());

    // The closing words' large script does not carry over into the next walk.
    lesson.nextExample(m_settings);
    finishRecord(lesson);
    QCOMPARE(lesson.exampleNo(), 1);
    QCOMPARE(lines(m_surface), QStringList{u"   题1   解1"_s});
    for (const TextSurface::Run &run : m_surface.runs()) {
        QCOMPARE(run.fontName, u"新宋体"_s);
        QCOMPARE(run.fontSize, 18.0);
    }
}

QTEST_MAIN(ExampleLessonTest)
#include "examplelesson_test.moc"
