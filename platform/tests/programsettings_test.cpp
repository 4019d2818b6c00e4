// SPDX-License-Identifier: GPL-3.0-or-later
#include "precisetimer.h"
#include "programsettings.h"
#include "units.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ProgramSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namesAreJoinedWithTheNativeSeparator_data();
    void namesAreJoinedWithTheNativeSeparator();
    void settingsBuildTheFilePaths();
    void theProgramFolderHasNoTrailingSeparator();
    void theProgramFolderIsWhereTheRealFileLies_data();
    void theProgramFolderIsWhereTheRealFileLies();
    void timersArePreciseAndZeroNeverFires_data();
    void timersArePreciseAndZeroNeverFires();
    void twipsFollowTheDeviceResolution_data();
    void twipsFollowTheDeviceResolution();
    void coloursAreReadAsBlueGreenRed_data();
    void coloursAreReadAsBlueGreenRed();
};

void ProgramSettingsTest::namesAreJoinedWithTheNativeSeparator_data()
{
    const QString sep = QDir::separator();
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("bank") << u"/opt/lumaro"_s << u"\\tm1.dat"_s
                          << u"/opt/lumaro"_s + sep + u"tm1.dat"_s;
    QTest::newRow("sound") << u"/opt/lumaro"_s << u"\\dui.wav"_s
                           << u"/opt/lumaro"_s + sep + u"dui.wav"_s;
    QTest::newRow("narration") << u"/p"_s << u"\\jiangjie13.wav"_s
                               << u"/p"_s + sep + u"jiangjie13.wav"_s;
    QTest::newRow("nested") << u"/p"_s << u"\\a\\b.wav"_s
                            << u"/p"_s + sep + u"a"_s + sep + u"b.wav"_s;
    QTest::newRow("no backslash: as it stands") << u"/p"_s << u"3.wav"_s << u"/p3.wav"_s;
    QTest::newRow("empty name") << u"/p"_s << QString() << u"/p"_s;
    QTest::newRow("root folder") << QString() << u"\\ptq.wav"_s << sep + u"ptq.wav"_s;
}

void ProgramSettingsTest::namesAreJoinedWithTheNativeSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(JoinProgramPath(folder, name), path);
}

void ProgramSettingsTest::settingsBuildTheFilePaths()
{
    ProgramSettings settings;
    settings.ProgramFolder = u"/opt/lumaro"_s;
    settings.BankFileName = u"\\tm4.dat"_s;
    const QString sep = QDir::separator();
    QCOMPARE(settings.bankPath(), u"/opt/lumaro"_s + sep + u"tm4.dat"_s);
    QCOMPARE(settings.path(u"\\ptq.wav"_s), u"/opt/lumaro"_s + sep + u"ptq.wav"_s);
}

void ProgramSettingsTest::theProgramFolderHasNoTrailingSeparator()
{
    const QString folder = ExecutableFolder();
    QVERIFY(!folder.isEmpty());
    QVERIFY(!folder.endsWith(QDir::separator()));
    QCOMPARE(QDir(folder).canonicalPath(),
             QDir(QCoreApplication::applicationDirPath()).canonicalPath());
}

void ProgramSettingsTest::theProgramFolderIsWhereTheRealFileLies_data()
{
    // Paths below a temporary root laid out as an installed program with its links:
    // lib/lumaro/lumaro is the program file, bin/ holds links to it.
    QTest::addColumn<QString>("started");
    QTest::addColumn<QString>("folder");
    QTest::newRow("the file itself") << u"lib/lumaro/lumaro"_s << u"lib/lumaro"_s;
    QTest::newRow("relative link, as installed") << u"bin/lumaro"_s << u"lib/lumaro"_s;
    QTest::newRow("absolute link") << u"bin/absolute"_s << u"lib/lumaro"_s;
    QTest::newRow("link to a link") << u"bin/chain"_s << u"lib/lumaro"_s;
    QTest::newRow("through a linked folder") << u"opt/lumaro"_s << u"lib/lumaro"_s;
    QTest::newRow("dangling link: its own folder") << u"bin/dangling"_s << u"bin"_s;
    QTest::newRow("no such file: its folder") << u"gone/lumaro"_s << u"gone"_s;
}

void ProgramSettingsTest::theProgramFolderIsWhereTheRealFileLies()
{
    QFETCH(QString, started);
    QFETCH(QString, folder);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    // The root itself may lie behind a link (a temporary folder often does).
    const QDir dir(QDir(root.path()).canonicalPath());
    QVERIFY(dir.mkpath(u"lib/lumaro"_s) && dir.mkpath(u"bin"_s));
    QFile program(dir.filePath(u"lib/lumaro/lumaro"_s));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.close();
    QVERIFY(QFile::link(u"../lib/lumaro/lumaro"_s, dir.filePath(u"bin/lumaro"_s)));
    QVERIFY(QFile::link(program.fileName(), dir.filePath(u"bin/absolute"_s)));
    QVERIFY(QFile::link(u"lumaro"_s, dir.filePath(u"bin/chain"_s)));
    QVERIFY(QFile::link(u"lib/lumaro"_s, dir.filePath(u"opt"_s)));
    QVERIFY(QFile::link(u"nowhere"_s, dir.filePath(u"bin/dangling"_s)));

    QCOMPARE(ProgramFolderOf(dir.filePath(started)),
             QDir::toNativeSeparators(dir.filePath(folder)));
}

void ProgramSettingsTest::timersArePreciseAndZeroNeverFires_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("runs");
    QTest::newRow("never") << 0 << false;
    QTest::newRow("motto 50 ms") << 50 << true;
    QTest::newRow("typewriter 200 ms") << 200 << true;
    QTest::newRow("clock 1000 ms") << 1000 << true;
}

void ProgramSettingsTest::timersArePreciseAndZeroNeverFires()
{
    QFETCH(int, interval);
    QFETCH(bool, runs);
    PreciseTimer timer(u"Timer2"_s, interval, nullptr);
    QCOMPARE(timer.objectName(), u"Timer2"_s);
    QCOMPARE(timer.timerType(), Qt::PreciseTimer);
    QVERIFY(!timer.isSingleShot());
    timer.setEnabled(true);
    QCOMPARE(timer.isEnabled(), runs);
    timer.setEnabled(false);
    QVERIFY(!timer.isEnabled());
}

void ProgramSettingsTest::twipsFollowTheDeviceResolution_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("screen width") << 96.0 << 15360.0 << 1024;
    QTest::newRow("screen height") << 96.0 << 11520.0 << 768;
    QTest::newRow("one pixel") << 96.0 << 15.0 << 1;
    QTest::newRow("large screen font") << 120.0 << 1440.0 << 120;
    QTest::newRow("printer") << 600.0 << 8600.0 << 3583;
}

void ProgramSettingsTest::twipsFollowTheDeviceResolution()
{
    QFETCH(double, dpi);
    QFETCH(double, twips);
    QFETCH(int, pixels);
    const TwipScale scale(dpi);
    QCOMPARE(scale.toPixels(twips), pixels);
    QVERIFY(qAbs(scale.toTwips(scale.toPixelsF(twips)) - twips) < 1e-9);
}

void ProgramSettingsTest::coloursAreReadAsBlueGreenRed_data()
{
    QTest::addColumn<uint>("bgr");
    QTest::addColumn<QColor>("color");
    QTest::newRow("red") << uint(0x000000FF) << QColor(255, 0, 0);
    QTest::newRow("yellow") << uint(0x0000FFFF) << QColor(255, 255, 0);
    QTest::newRow("orange") << uint(0x000080FF) << QColor(255, 128, 0);
    QTest::newRow("main window") << uint(0x00FF8080) << QColor(128, 128, 255);
    QTest::newRow("frame") << uint(0x00C0E0FF) << QColor(255, 224, 192);
}

void ProgramSettingsTest::coloursAreReadAsBlueGreenRed()
{
    QFETCH(uint, bgr);
    QFETCH(QColor, color);
    QCOMPARE(colorFromBgr(bgr), color);
}

QTEST_GUILESS_MAIN(ProgramSettingsTest)
#include "programsettings_test.moc"
