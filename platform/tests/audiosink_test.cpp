// SPDX-License-Identifier: GPL-3.0-or-later
// Sound on a real audio server: a private PulseAudio whose one sink is a null sink, started
// for this test by scripts/with-null-sink.sh, which names it in PULSE_SERVER.
#include "qtsoundoutput.h"
#include "sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

bool stalledStackLeft = false;

QString shipped(const QString &name)
{
    return QDir(QStringLiteral(LUMARO_BIN_DIR)).filePath(name);
}

/// The streams the audio server is playing now.
int playingStreams()
{
    QProcess pactl;
    pactl.start(u"pactl"_s, {u"list"_s, u"short"_s, u"sink-inputs"_s});
    if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0)
        return -1;
    return int(pactl.readAllStandardOutput().count('\n'));
}

/// A narration cut short as by head -c 1000: its header promises samples it lacks.
QString cutShort(const QTemporaryDir &dir)
{
    QFile whole(shipped(u"jiangjie11.wav"_s));
    QFile cut(dir.filePath(u"ptq.wav"_s));
    if (whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly))
        cut.write(whole.read(1000));
    return cut.fileName();
}

} // namespace

class AudioSinkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyShippedSoundIsAcceptedAndLoads();
    void aPlayedSoundReachesTheServerAndStops();
    void aCutShortSoundIsNeverHandedToTheServer();
    void aStalledAudioStackNeverBlocksTheWindow();
};

void AudioSinkTest::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "run through scripts/with-null-sink.sh");
    QVERIFY(!QMediaDevices::defaultAudioOutput().isNull());
    QCOMPARE(playingStreams(), 0);
}

// The check the player makes and what Qt Multimedia can play must agree on every file
// the program ships: a sound refused is a sound the pupil never hears.
void AudioSinkTest::everyShippedSoundIsAcceptedAndLoads()
{
    const QStringList names =
        QDir(QStringLiteral(LUMARO_BIN_DIR)).entryList({u"*.wav"_s}, QDir::Files, QDir::Name);
    QVERIFY(names.contains(u"dui.wav"_s) && names.contains(u"alert.wav"_s));
    for (const QString &name : names) {
        QVERIFY2(WavePlayer::isWaveFile(shipped(name)), qPrintable(name));
        QSoundEffect effect;
        QSignalSpy loaded(&effect, &QSoundEffect::statusChanged);
        effect.setSource(QUrl::fromLocalFile(shipped(name)));
        while (effect.status() == QSoundEffect::Loading && loaded.wait(10000)) {
        }
        QVERIFY2(effect.status() == QSoundEffect::Ready, qPrintable(name));
    }
}

void AudioSinkTest::aPlayedSoundReachesTheServerAndStops()
{
    QtSoundOutput output;
    WavePlayer player(output, shipped(u"alert.wav"_s));
    player.play(shipped(u"jiangjie11.wav"_s));
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, 10000);
    player.play(QString());
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, 10000);
    player.play(shipped(u"jiangjie11.wav"_s));
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, 10000);
    // Finishing silences the sound, and with the sound thread gone nothing plays any more.
    QVERIFY(output.finish());
    player.play(shipped(u"dui.wav"_s));
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, 10000);
}

// A header promising more samples than the file holds once left Qt Multimedia waiting for
// them for good. Such a file plays the alert instead.
void AudioSinkTest::aCutShortSoundIsNeverHandedToTheServer()
{
    QTemporaryDir dir;
    QtSoundOutput output;
    WavePlayer player(output, shipped(u"alert.wav"_s));
    player.play(cutShort(dir));
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, 10000);
    player.play(shipped(u"dui.wav"_s));
    player.play(QString());
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, 10000);
}

// A cut-short file handed straight to Qt Multimedia, followed by another sound, once left the
// window waiting for it for good. Only the sound thread may wait: every request returns at
// once, and closing the window waits for that thread no longer than a moment.
void AudioSinkTest::aStalledAudioStackNeverBlocksTheWindow()
{
    stalledStackLeft = true;
    QTemporaryDir dir;
    auto output = std::make_unique<QtSoundOutput>();
    output->start(shipped(u"jiangjie11.wav"_s));
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, 10000);
    // The narration stops once the sound thread has taken the cut file.
    output->start(cutShort(dir));
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, 10000);

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 50; ++i) {
        output->start(shipped(u"dui.wav"_s));
        QCoreApplication::processEvents();
        output->stop();
    }
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    clock.restart();
    output->finish();
    output->start(shipped(u"dui.wav"_s));
    output.reset();
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
}

// Once the stalled test has run, Qt Multimedia may still be waiting on the cut-short file,
// and Qt's clean-up at exit then aborts: the test ends as the program does in that case.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AudioSinkTest test;
    const int status = QTest::qExec(&test, argc, argv);
    if (!stalledStackLeft)
        return status;
    std::fflush(nullptr);
    std::_Exit(status);
}

#include "audiosink_test.moc"
