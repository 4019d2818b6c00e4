// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainlogic.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class MainLogicTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typeChoiceSetsTheSettings_data();
    void typeChoiceSetsTheSettings();
    void backKeepsTheSettings();
    void typesOutOfRangeChangeNothing();
    void mottoAlternates_data();
    void mottoAlternates();
    void mottoCycleIs134Ticks();
    void musicStartsASecondAfterLoadAndEvery29();
    void picturesAlternateImage2First();
    void pictureCounterSurvivesLoads();
    void countersKeepTheirRhythmPastSixteenBits();
    void quietTicksEndExactlyAtTheNextChange_data();
    void quietTicksEndExactlyAtTheNextChange();
    void layoutFollowsTheScreen_data();
    void layoutFollowsTheScreen();
};

void MainLogicTest::typeChoiceSetsTheSettings_data()
{
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<QString>("bank");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("type 1") << QList<int>{1} << u"\\tm1.dat"_s << u"\\jiangjie1"_s;
    QTest::newRow("type 2") << QList<int>{2} << u"\\tm2.dat"_s << u"\\jiangjie2"_s;
    QTest::newRow("type 3 narrates itself") << QList<int>{3} << u"\\tm3.dat"_s << u"\\jiangjie3"_s;
    QTest::newRow("type 4 narrates itself") << QList<int>{4} << u"\\tm4.dat"_s << u"\\jiangjie4"_s;
    QTest::newRow("type 5 narrates itself") << QList<int>{5} << u"\\tm5.dat"_s << u"\\jiangjie5"_s;
    QTest::newRow("2 then 4: type 4's own")
        << QList<int>{2, 4} << u"\\tm4.dat"_s << u"\\jiangjie4"_s;
    QTest::newRow("5 then 1") << QList<int>{5, 1} << u"\\tm1.dat"_s << u"\\jiangjie1"_s;
}

void MainLogicTest::typeChoiceSetsTheSettings()
{
    QFETCH(QList<int>, choices);
    QFETCH(QString, bank);
    QFETCH(QString, prefix);
    ProgramSettings settings;
    MainWindowLogic logic(settings);
    logic.load();
    QCOMPARE(logic.stage(), MainWindowLogic::Stage::Content);
    for (int type : choices) {
        logic.chooseType(type);
        QCOMPARE(logic.stage(), MainWindowLogic::Stage::Mode);
        logic.backToContent();
    }
    QCOMPARE(settings.BankFileName, bank);
    QCOMPARE(settings.ExampleSoundPrefix, prefix);
}

void MainLogicTest::backKeepsTheSettings()
{
    ProgramSettings settings;
    MainWindowLogic logic(settings);
    logic.chooseType(2);
    logic.backToContent();
    QCOMPARE(logic.stage(), MainWindowLogic::Stage::Content);
    QCOMPARE(settings.BankFileName, u"\\tm2.dat"_s);
    logic.load();
    QCOMPARE(settings.BankFileName, u"\\tm2.dat"_s);
    QCOMPARE(settings.ExampleSoundPrefix, u"\\jiangjie2"_s);
}

void MainLogicTest::typesOutOfRangeChangeNothing()
{
    ProgramSettings settings;
    MainWindowLogic logic(settings);
    for (int type : {0, 6, -1}) {
        logic.chooseType(type);
        QCOMPARE(logic.stage(), MainWindowLogic::Stage::Content);
        QVERIFY(settings.BankFileName.isEmpty());
    }
}

void MainLogicTest::mottoAlternates_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("motto"); // empty: the caption stays as it was
    QTest::addColumn<int>("counter");
    QTest::newRow("first tick") << 1 << u"掌握方法"_s << 15;
    QTest::newRow("last of the first") << 66 << u"掌握方法"_s << 990;
    QTest::newRow("first of the second") << 67 << u"提高能力"_s << 1005;
    QTest::newRow("last set") << 133 << u"提高能力"_s << 1995;
    QTest::newRow("2010: stays, restarts") << 134 << QString() << 0;
    QTest::newRow("next cycle") << 135 << u"掌握方法"_s << 15;
    QTest::newRow("second cycle's switch") << 134 + 67 << u"提高能力"_s << 1005;
}

void MainLogicTest::mottoAlternates()
{
    QFETCH(int, tick);
    QFETCH(QString, motto);
    QFETCH(int, counter);
    ProgramSettings settings;
    MainWindowLogic logic(settings);
    logic.load();
    std::optional<QString> shown;
    for (int i = 0; i < tick; ++i)
        shown = logic.mottoTick();
    QCOMPARE(shown.value_or(QString()), motto);
    QCOMPARE(logic.captionTicks(), counter);
}

void MainLogicTest::mottoCycleIs134Ticks()
{
    ProgramSettings settings;
    MainWindowLogic logic(settings);
    QString caption;
    int firstTicks = 0;
    int secondTicks = 0;
    for (int i = 0; i < 134 * 3; ++i) {
        if (const auto motto = logic.mottoTick())
            caption = *motto;
        (caption == MainWindowLogic::FirstMotto ? firstTicks : secondTicks) += 1;
    }
    // 3.3 s of the first, 3.4 s of the second, never anything else.
    QCOMPARE(firstTicks, 66 * 3);
    QCOMPARE(secondTicks, 68 * 3);
}

void MainLogicTest::musicStartsASecondAfterLoadAndEvery29()
{
    ProgramSettings settings;
    MainWindowLogic logic(settings);
    logic.load();
    QList<int> starts;
    for (int tick = 1; tick <= 60; ++tick) {
        if (logic.musicTick())
            starts.append(tick);
    }
    QCOMPARE(starts, (QList<int>{1, 30, 59}));
    logic.load();
    QCOMPARE(logic.musicTicks(), 0);
    QVERIFY(logic.musicTick());
}

void MainLogicTest::picturesAlternateImage2First()
{
    ProgramSettings settings;
    MainWindowLogic logic(settings);
    QCOMPARE(logic.blinkTick(), false);
    QCOMPARE(logic.blinkTick(), true);
    QCOMPARE(logic.blinkTick(), false);
}

void MainLogicTest::pictureCounterSurvivesLoads()
{
    ProgramSettings settings;
    MainWindowLogic logic(settings);
    logic.blinkTick();
    logic.load();
    QCOMPARE(logic.blinkTicks(), 1);
    QCOMPARE(logic.blinkTick(), true);
}

void MainLogicTest::countersKeepTheirRhythmPastSixteenBits()
{
    ProgramSettings settings;
    MainWindowLogic logic(settings);
    int lastStart = 0;
    bool lastImage1 = true;
    for (int tick = 1; tick <= 100000; ++tick) {
        if (logic.musicTick()) {
            QCOMPARE(tick - lastStart, tick == 1 ? 1 : 29);
            lastStart = tick;
        }
        const bool image1 = logic.blinkTick();
        QCOMPARE(image1, !lastImage1);
        lastImage1 = image1;
        QVERIFY(logic.musicTicks() <= 32767 && logic.blinkTicks() <= 32767);
    }
    QVERIFY(lastStart > 100000 - 29);
}

void MainLogicTest::quietTicksEndExactlyAtTheNextChange_data()
{
    QTest::addColumn<int>("reloadAtTick");
    QTest::newRow("from the load") << 0;
    QTest::newRow("reloaded amid the first motto") << 20;
    QTest::newRow("reloaded amid the second motto") << 100;
    QTest::newRow("reloaded as the cycle ends") << 134;
}

// The window sleeps through the ticks the logic calls quiet: each must change nothing, and
// the tick after them must change the motto or start the music.
void MainLogicTest::quietTicksEndExactlyAtTheNextChange()
{
    QFETCH(int, reloadAtTick);
    ProgramSettings settings;
    MainWindowLogic logic(settings);
    QString shown;
    int mottoWait = logic.mottoTicksUntilChange();
    int musicWait = logic.musicTicksUntilPlay();
    for (int tick = 1; tick <= 40000; ++tick) {
        if (tick == reloadAtTick) {
            logic.load();
            shown.clear();
            mottoWait = logic.mottoTicksUntilChange();
            musicWait = logic.musicTicksUntilPlay();
        }
        const std::optional<QString> motto = logic.mottoTick();
        const bool changed = motto && *motto != shown;
        QCOMPARE(changed, mottoWait == 1);
        if (motto)
            shown = *motto;
        mottoWait = changed ? logic.mottoTicksUntilChange() : mottoWait - 1;
        QVERIFY(mottoWait >= 1 && mottoWait <= 68);

        const bool played = logic.musicTick();
        QCOMPARE(played, musicWait == 1);
        musicWait = played ? logic.musicTicksUntilPlay() : musicWait - 1;
        QVERIFY(musicWait >= 1 && musicWait <= 29);
    }
}

void MainLogicTest::layoutFollowsTheScreen_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QList<double>>("expected");
    // label1Left, label12Left, label3Top, label15Top, shape1Top, imageTop, frameTop, frameLeft
    QTest::newRow("1024 x 768") << 15360.0 << 11520.0
                                << QList<double>{3840, 5136, 9520, 7520, 7320, 7520, 3520, 11360};
    QTest::newRow("800 x 600") << 12000.0 << 9000.0
                               << QList<double>{3000, 4296, 7000, 5000, 4800, 5000, 1000, 8000};
}

void MainLogicTest::layoutFollowsTheScreen()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QList<double>, expected);
    const MainLayout layout = MainLayoutFor(width, height);
    const QList<double> actual{layout.label1Left, layout.label12Left, layout.label3Top,
                               layout.label15Top, layout.shape1Top,   layout.imageTop,
                               layout.frameTop,   layout.frameLeft};
    QCOMPARE(actual, expected);
    QCOMPARE(layout.label14Left, layout.frameLeft);
}

QTEST_GUILESS_MAIN(MainLogicTest)
#include "mainlogic_test.moc"
