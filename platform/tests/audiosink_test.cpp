// SPDX-License-Identifier: GPL-3.0-or-later
// Sound on a real audio server: a private PulseAudio whose one sink is a null sink, started
// for this test by scripts/with-null-sink.sh, which names it in PULSE_SERVER.
#include "qtsoundoutput.h"
#include "sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
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

/// How long the audio server may take to show a change. A sanitizer build on a busy machine
/// starts a media pipeline in seconds, not milliseconds; a working change shows at once.
constexpr int ServerWaitMs = 60000;

QString soundModule()
{
    return QStringLiteral(LUMARO_SOUND_MODULE);
}

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

/// The streams the audio server is playing now, by the media names their players gave them.
QStringList playingMedia()
{
    QProcess pactl;
    pactl.start(u"pactl"_s, {u"list"_s, u"sink-inputs"_s});
    if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0)
        return {u"pactl failed"_s};
    QStringList names;
    for (const QString &line : QString::fromUtf8(pactl.readAllStandardOutput()).split(u'\n')) {
        if (line.trimmed().startsWith(u"media.name = "_s))
            names << line.trimmed().sliced(13);
    }
    return names;
}

/// A shipped sound cut short as by head -c 1000: a wave header promising samples it lacks,
/// or Ogg pages that end half way.
QString cutShort(const QTemporaryDir &dir, const QString &name)
{
    QFile whole(shipped(name));
    QFile cut(dir.filePath(name));
    if (whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly))
        cut.write(whole.read(1000));
    return cut.fileName();
}

QString cutShort(const QTemporaryDir &dir)
{
    return cutShort(dir, u"ptq.wav"_s);
}

} // namespace

class AudioSinkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyShippedSoundIsAcceptedAndLoads();
    void aPlayedSoundReachesTheServerAndStops();
    void aCutShortSoundIsNeverHandedToTheServer();
    void eachFormatCutsTheOtherOff();
    void theNarrationPlaysThroughTheMediaPlayer();
    void aDamagedNarrationDoesNotHoldUpTheNext();
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
    const QStringList narration =
        QDir(QStringLiteral(LUMARO_BIN_DIR)).entryList({u"*.ogg"_s}, QDir::Files, QDir::Name);
    QVERIFY(narration.contains(u"jiangjie11.ogg"_s));
    for (const QString &name : narration) {
        QCOMPARE(SoundFilePlayer::playableFormat(shipped(name)),
                 std::optional(SoundFormat::OggOpus));
        QMediaPlayer player;
        QAudioOutput audio;
        player.setAudioOutput(&audio);
        player.setSource(QUrl::fromLocalFile(shipped(name)));
        QTRY_VERIFY2_WITH_TIMEOUT(player.mediaStatus() == QMediaPlayer::LoadedMedia,
                                  qPrintable(name), ServerWaitMs);
        QVERIFY2(player.duration() > 1000, qPrintable(name));
    }
    const QStringList names =
        QDir(QStringLiteral(LUMARO_BIN_DIR)).entryList({u"*.wav"_s}, QDir::Files, QDir::Name);
    QVERIFY(names.contains(u"dui.wav"_s) && names.contains(u"alert.wav"_s));
    for (const QString &name : names) {
        QCOMPARE(SoundFilePlayer::playableFormat(shipped(name)), std::optional(SoundFormat::Wave));
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
    QtSoundOutput output(soundModule());
    SoundFilePlayer player(output, shipped(u"alert.wav"_s));
    player.play(shipped(u"jiangjie11.ogg"_s));
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, ServerWaitMs);
    player.play(QString());
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, ServerWaitMs);
    player.play(shipped(u"jiangjie11.ogg"_s));
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, ServerWaitMs);
    // Finishing silences the sound, and with the sound thread gone nothing plays any more.
    QVERIFY(output.finish());
    player.play(shipped(u"dui.wav"_s));
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, ServerWaitMs);
}

// A header promising more samples than the file holds once left Qt Multimedia waiting for
// them for good. Such a file plays the alert instead.
void AudioSinkTest::aCutShortSoundIsNeverHandedToTheServer()
{
    QTemporaryDir dir;
    QtSoundOutput output(soundModule());
    SoundFilePlayer player(output, shipped(u"alert.wav"_s));
    for (const QString &name : {u"ptq.wav"_s, u"jiangjie11.ogg"_s}) {
        const QString cut = cutShort(dir, name);
        QVERIFY(!SoundFilePlayer::isPlayableFile(cut));
        player.play(cut);
        QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, ServerWaitMs);
        player.play(shipped(u"dui.wav"_s));
        player.play(QString());
        QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, ServerWaitMs);
    }
}

// The interface sounds and the narration come out of two players; still only one sound plays.
void AudioSinkTest::eachFormatCutsTheOtherOff()
{
    QtSoundOutput output(soundModule());
    SoundFilePlayer player(output, shipped(u"alert.wav"_s));
    player.play(shipped(u"jiangjie11.ogg"_s));
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, ServerWaitMs);
    const QStringList narration = playingMedia();
    player.play(shipped(u"ptq.wav"_s));
    QTRY_VERIFY_WITH_TIMEOUT(playingMedia().size() == 1 && playingMedia() != narration,
                             ServerWaitMs);
    const QStringList music = playingMedia();
    player.play(shipped(u"jiangjie12.ogg"_s));
    QTRY_VERIFY_WITH_TIMEOUT(playingMedia().size() == 1 && playingMedia() != music, ServerWaitMs);
    player.play(QString());
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, ServerWaitMs);
}

// What the sound thread does with the narration, step by step where a test can see it: the
// media player reaches the playing state on the server and its position moves on.
void AudioSinkTest::theNarrationPlaysThroughTheMediaPlayer()
{
    QMediaPlayer player;
    QAudioOutput audio;
    player.setAudioOutput(&audio);
    player.setSource(QUrl::fromLocalFile(shipped(u"jiangjie11.ogg"_s)));
    player.play();
    QTRY_COMPARE_WITH_TIMEOUT(player.playbackState(), QMediaPlayer::PlayingState, ServerWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(player.position() > 300, ServerWaitMs);
    QCOMPARE(player.error(), QMediaPlayer::NoError);
    QCOMPARE(playingStreams(), 1);
    // Stopped, the player keeps its stream, paused; without a source it closes it.
    player.setSource(QUrl());
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, ServerWaitMs);
}

// Should a damaged narration slip past the check, the media player gives up on it, and the
// next request plays as ever.
void AudioSinkTest::aDamagedNarrationDoesNotHoldUpTheNext()
{
    QTemporaryDir dir;
    QtSoundOutput output(soundModule());
    output.start(cutShort(dir, u"jiangjie11.ogg"_s), SoundFormat::OggOpus);
    output.start(shipped(u"jiangjie12.ogg"_s), SoundFormat::OggOpus);
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, ServerWaitMs);
    output.stop();
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, ServerWaitMs);
    QVERIFY(output.finish());
}

// A cut-short file handed straight to Qt Multimedia, followed by another sound, once left the
// window waiting for it for good. Only the sound thread may wait: every request returns at
// once, and closing the window waits for that thread no longer than a moment.
void AudioSinkTest::aStalledAudioStackNeverBlocksTheWindow()
{
    stalledStackLeft = true;
    QTemporaryDir dir;
    auto output = std::make_unique<QtSoundOutput>(soundModule());
    output->start(shipped(u"jiangjie11.ogg"_s), SoundFormat::OggOpus);
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, ServerWaitMs);
    // The narration stops once the sound thread has taken the cut file.
    output->start(cutShort(dir), SoundFormat::Wave);
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, ServerWaitMs);

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 50; ++i) {
        output->start(shipped(u"dui.wav"_s), SoundFormat::Wave);
        QCoreApplication::processEvents();
        output->stop();
    }
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    clock.restart();
    output->finish();
    output->start(shipped(u"jiangjie11.ogg"_s), SoundFormat::OggOpus);
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
