// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtsoundoutput.h"
#include "sound.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A short silent 16-bit mono wave file.
void writeWave(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const quint32 samples = 2205;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        out << qint16(0);
}

void writeText(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

struct RecordingOutput final : SoundOutput {
    void start(const QString &wavePath) override { calls.append(u"start "_s + wavePath); }
    void stop() override { calls.append(u"stop"_s); }
    QStringList calls;
};

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void aRequestPlaysTheRightFile_data();
    void aRequestPlaysTheRightFile();
    void eachRequestReplacesTheLast();
    void waveFilesAreRecognisedByTheirHeader_data();
    void waveFilesAreRecognisedByTheirHeader();
    void playingNeverBlocksEvenWithoutADevice();

private:
    QString file(const QString &name) const { return m_folder.filePath(name); }
    QTemporaryDir m_folder;
};

void SoundTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    writeWave(file(u"dui.wav"_s));
    writeWave(file(u"alert.wav"_s));
    writeText(file(u"tm1.dat"_s), QByteArray(470, ' '));
    writeText(file(u"fake.wav"_s), "RIFF....AVI LIST");
    QVERIFY(QDir(m_folder.path()).mkdir(u"folder.wav"_s));
}

void SoundTest::aRequestPlaysTheRightFile_data()
{
    QTest::addColumn<QString>("request"); // a name in the folder, or a path as it stands
    QTest::addColumn<bool>("alertExists");
    QTest::addColumn<QString>("started"); // the file that plays; empty: silence
    QTest::newRow("a wave file") << u"dui.wav"_s << true << u"dui.wav"_s;
    QTest::newRow("empty path plays nothing") << QString() << true << QString();
    QTest::newRow("missing file: alert") << u"ptq.wav"_s << true << u"alert.wav"_s;
    QTest::newRow("a folder: alert") << u"folder.wav"_s << true << u"alert.wav"_s;
    QTest::newRow("not a wave: alert") << u"tm1.dat"_s << true << u"alert.wav"_s;
    QTest::newRow("wrong header: alert") << u"fake.wav"_s << true << u"alert.wav"_s;
    QTest::newRow("click sound d:\\") << u"d:\\"_s << true << u"alert.wav"_s;
    QTest::newRow("no alert either: silence") << u"ptq.wav"_s << false << QString();
    QTest::newRow("wave without alert") << u"dui.wav"_s << false << u"dui.wav"_s;
}

void SoundTest::aRequestPlaysTheRightFile()
{
    QFETCH(QString, request);
    QFETCH(bool, alertExists);
    QFETCH(QString, started);
    RecordingOutput output;
    WavePlayer player(output, file(alertExists ? u"alert.wav"_s : u"missing-alert.wav"_s));
    const bool inFolder = !request.isEmpty() && !request.contains(u':');
    player.play(inFolder ? file(request) : request);
    const QString call = started.isEmpty() ? u"stop"_s : u"start "_s + file(started);
    QCOMPARE(output.calls, QStringList{call});
}

void SoundTest::eachRequestReplacesTheLast()
{
    RecordingOutput output;
    WavePlayer player(output, file(u"alert.wav"_s));
    player.play(file(u"dui.wav"_s));
    player.play(u"d:\\"_s);
    player.play(QString());
    QCOMPARE(output.calls, (QStringList{u"start "_s + file(u"dui.wav"_s),
                                        u"start "_s + file(u"alert.wav"_s), u"stop"_s}));
}

void SoundTest::waveFilesAreRecognisedByTheirHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isWave");
    QTest::newRow("wave") << u"dui.wav"_s << true;
    QTest::newRow("missing") << u"zhadan.wav"_s << false;
    QTest::newRow("bank") << u"tm1.dat"_s << false;
    QTest::newRow("AVI in RIFF") << u"fake.wav"_s << false;
    QTest::newRow("folder") << u"folder.wav"_s << false;
}

void SoundTest::waveFilesAreRecognisedByTheirHeader()
{
    QFETCH(QString, name);
    QFETCH(bool, isWave);
    QCOMPARE(WavePlayer::isWaveFile(file(name)), isWave);
}

void SoundTest::playingNeverBlocksEvenWithoutADevice()
{
    QtSoundOutput output;
    WavePlayer player(output, file(u"alert.wav"_s));
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 50; ++i) {
        player.play(file(u"dui.wav"_s));
        player.play(u"d:\\"_s);
        player.play(QString());
    }
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
