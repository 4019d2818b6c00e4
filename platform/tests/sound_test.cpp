// SPDX-License-Identifier: GPL-3.0-or-later
#include "oggpages.h"
#include "qtsoundoutput.h"
#include "sound.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>

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

// A wave file's bytes, chunk by chunk, with the numbers a test may spoil.
struct WaveBytes {
    quint16 tag = 1, channels = 1, blockAlign = 2, bits = 16;
    quint32 rate = 22050, byteRate = 44100, fmtSize = 16, dataSize = 2000, dataBytes = 2000;
    bool fmtFirst = true, withFmt = true, withData = true;

    QByteArray bytes() const
    {
        QByteArray fmt, data;
        QDataStream f(&fmt, QIODevice::WriteOnly);
        f.setByteOrder(QDataStream::LittleEndian);
        f.writeRawData("fmt ", 4);
        f << fmtSize << tag << channels << rate << byteRate << blockAlign << bits;
        fmt.append(QByteArray(qMax<qsizetype>(0, qsizetype(fmtSize) - 16), '\0'));
        fmt.truncate(8 + qMin<quint32>(fmtSize, 16) + qMax<quint32>(fmtSize, 16) - 16);
        QDataStream d(&data, QIODevice::WriteOnly);
        d.setByteOrder(QDataStream::LittleEndian);
        d.writeRawData("data", 4);
        d << dataSize;
        data.append(QByteArray(dataBytes, '\0'));
        QByteArray body = "WAVE";
        body += QByteArray("LIST\4\0\0\0INFO", 12); // a chunk the reader must step over
        if (withFmt && fmtFirst)
            body += fmt;
        if (withData)
            body += data;
        if (withFmt && !fmtFirst)
            body += fmt;
        QByteArray riff = "RIFF";
        QDataStream r(&riff, QIODevice::Append);
        r.setByteOrder(QDataStream::LittleEndian);
        r << quint32(body.size());
        return riff + body;
    }
};

struct RecordingOutput final : SoundOutput {
    void start(const QString &path, SoundFormat format) override
    {
        calls.append(u"start "_s + path);
        formats.append(format);
    }
    void stop() override { calls.append(u"stop"_s); }
    QStringList calls;
    QList<SoundFormat> formats;
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
    void onlyWholePlayableWavesAreHandedOn_data();
    void onlyWholePlayableWavesAreHandedOn();
    void onlyWholeOggOpusFilesAreHandedOn_data();
    void onlyWholeOggOpusFilesAreHandedOn();
    void aQuickLookChecksBothEnds_data();
    void aQuickLookChecksBothEnds();
    void eachFormatIsToldByItsContent_data();
    void eachFormatIsToldByItsContent();
    void aFifoIsNoWaveFile();
    void playingNeverBlocksEvenWithoutADevice();
    void withoutTheSoundModuleTheProgramIsSilent();

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
    writeText(file(u"jiangjie13.ogg"_s), OggPages::Whole().bytes());
    OggPages cut = OggPages::Whole();
    cut.pages.removeLast();
    writeText(file(u"jiangjie14.ogg"_s), cut.bytes());
    writeText(file(u"oggs.wav"_s), OggPages::Whole().bytes());
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
    QTest::newRow("narration") << u"jiangjie13.ogg"_s << true << u"jiangjie13.ogg"_s;
    QTest::newRow("narration cut short: alert") << u"jiangjie14.ogg"_s << true << u"alert.wav"_s;
    QTest::newRow("narration missing: alert") << u"jiangjie15.ogg"_s << true << u"alert.wav"_s;
}

void SoundTest::aRequestPlaysTheRightFile()
{
    QFETCH(QString, request);
    QFETCH(bool, alertExists);
    QFETCH(QString, started);
    RecordingOutput output;
    SoundFilePlayer player(output, file(alertExists ? u"alert.wav"_s : u"missing-alert.wav"_s));
    const bool inFolder = !request.isEmpty() && !request.contains(u':');
    player.play(inFolder ? file(request) : request);
    const QString call = started.isEmpty() ? u"stop"_s : u"start "_s + file(started);
    QCOMPARE(output.calls, QStringList{call});
}

void SoundTest::eachRequestReplacesTheLast()
{
    RecordingOutput output;
    SoundFilePlayer player(output, file(u"alert.wav"_s));
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
    QCOMPARE(SoundFilePlayer::isPlayableFile(file(name)), isWave);
}

// The output is handed only files it can play whole: one cut short (its header promising
// more data than there is) would leave Qt Multimedia waiting for the rest, and the window
// with it. Each damaged file plays the alert instead.
void SoundTest::onlyWholePlayableWavesAreHandedOn_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("playable");
    const WaveBytes good;
    QTest::newRow("whole") << good.bytes() << true;
    QTest::newRow("cut short as by head -c") << good.bytes().left(1000) << false;
    QTest::newRow("cut inside the header") << good.bytes().left(30) << false;
    WaveBytes w;
    w.dataSize = 4000;
    QTest::newRow("data chunk beyond the end") << w.bytes() << false;
    w = {};
    w.dataSize = w.dataBytes = 0;
    QTest::newRow("no samples") << w.bytes() << false;
    w = {};
    w.dataSize = w.dataBytes = 1999;
    QTest::newRow("half a sample frame") << w.bytes() << false;
    w = {};
    w.withFmt = false;
    QTest::newRow("no format chunk") << w.bytes() << false;
    w = {};
    w.fmtFirst = false;
    QTest::newRow("format after the data") << w.bytes() << false;
    w = {};
    w.withData = false;
    QTest::newRow("no data chunk") << w.bytes() << false;
    w = {};
    w.fmtSize = 12;
    QTest::newRow("format chunk too short") << w.bytes() << false;
    w = {};
    w.fmtSize = 18;
    QTest::newRow("format chunk with extra bytes") << w.bytes() << true;
    w = {};
    w.tag = 2;
    QTest::newRow("ADPCM") << w.bytes() << false;
    w = {};
    w.channels = 0;
    QTest::newRow("no channels") << w.bytes() << false;
    w = {};
    w.bits = 12;
    QTest::newRow("12-bit samples") << w.bytes() << false;
    w = {};
    w.blockAlign = 3;
    QTest::newRow("frame size disagrees") << w.bytes() << false;
    w = {};
    w.byteRate = 1;
    QTest::newRow("byte rate disagrees") << w.bytes() << false;
    w = {};
    w.rate = w.byteRate = 0;
    QTest::newRow("no sample rate") << w.bytes() << false;
    w = {};
    w.channels = 2;
    w.blockAlign = 4;
    w.rate = 44100;
    w.byteRate = 176400;
    QTest::newRow("stereo") << w.bytes() << true;
    QTest::newRow("empty file") << QByteArray() << false;
}

void SoundTest::onlyWholePlayableWavesAreHandedOn()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, playable);
    writeText(file(u"test.wav"_s), bytes);
    QCOMPARE(SoundFilePlayer::isPlayableFile(file(u"test.wav"_s)), playable);
    RecordingOutput output;
    SoundFilePlayer player(output, file(u"alert.wav"_s));
    player.play(file(u"test.wav"_s));
    QCOMPARE(output.calls.value(0), u"start "_s + file(playable ? u"test.wav"_s : u"alert.wav"_s));
}

namespace {

OggPages Spoilt(const std::function<void(OggPages &)> &spoil)
{
    OggPages ogg = OggPages::Whole();
    spoil(ogg);
    return ogg;
}

QByteArray SpoiltBytes(const std::function<void(QByteArray &)> &spoil)
{
    QByteArray bytes = OggPages::Whole().bytes();
    spoil(bytes);
    return bytes;
}

// A whole stream of about 17 MiB: pages of 255 packets of 255 bytes.
QByteArray HugeOgg()
{
    OggPages ogg = OggPages::Whole();
    const OggPages::Page last = ogg.pages.takeLast();
    QByteArray bytes = ogg.bytes();
    OggPages::Page page = last;
    page.flags = 0;
    page.packets = QList<QByteArray>(255, QByteArray(200, 'x'));
    while (bytes.size() < 17 * 1024 * 1024) {
        page.sequence = ogg.pages.back().sequence + 1;
        page.granule += 48000;
        ogg.pages.append(page);
        bytes += OggPages::PageBytes(page);
    }
    page.sequence += 1;
    page.granule += 48000;
    page.flags = 0x04;
    return bytes + OggPages::PageBytes(page);
}

} // namespace

// The narration's Ogg pages are walked before the output gets them: a file cut short, spoilt
// anywhere, or never closed would leave the media player waiting or stopping half way.
void SoundTest::onlyWholeOggOpusFilesAreHandedOn_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("playable");
    const QByteArray whole = OggPages::Whole().bytes();
    QTest::newRow("whole") << whole << true;
    QTest::newRow("cut short as by head -c") << whole.left(whole.size() - 100) << false;
    QTest::newRow("cut inside the first page") << whole.left(20) << false;
    QTest::newRow("last page lost")
        << Spoilt([](OggPages &o) { o.pages.removeLast(); }).bytes() << false;
    QTest::newRow("a byte changed")
        << SpoiltBytes([](QByteArray &b) { b[b.size() / 2] = char(b[b.size() / 2] ^ 1); }) << false;
    QTest::newRow("checksum wrong")
        << Spoilt([](OggPages &o) { o.pages[3].badCrc = true; }).bytes() << false;
    QTest::newRow("capture pattern spoilt")
        << SpoiltBytes([](QByteArray &b) { b[b.indexOf("OggS", 100) + 3] = 'T'; }) << false;
    QTest::newRow("a page missing")
        << Spoilt([](OggPages &o) { o.pages.removeAt(3); }).bytes() << false;
    QTest::newRow("pages swapped")
        << Spoilt([](OggPages &o) { o.pages.swapItemsAt(2, 3); }).bytes() << false;
    QTest::newRow("a page of another stream")
        << Spoilt([](OggPages &o) { o.pages[3].serial = 7; }).bytes() << false;
    QTest::newRow("bytes after the last page") << whole + QByteArray(10, '\0') << false;
    QTest::newRow("a page after the last page")
        << whole + OggPages::PageBytes(OggPages::Whole().pages[2]) << false;
    QTest::newRow("never closed") << Spoilt([](OggPages &o) { o.pages.back().flags = 0; }).bytes()
                                  << false;
    QTest::newRow("closed twice") << Spoilt([](OggPages &o) { o.pages[2].flags = 0x04; }).bytes()
                                  << false;
    QTest::newRow("granule runs backwards")
        << Spoilt([](OggPages &o) { o.pages[3].granule = 100; }).bytes() << false;
    QTest::newRow("no sound past the pre-skip")
        << Spoilt([](OggPages &o) {
               for (qsizetype i = 2; i < o.pages.size(); ++i)
                   o.pages[i].granule = OggPages::PreSkip;
           }).bytes()
        << false;
    QTest::newRow("last page without granule")
        << Spoilt([](OggPages &o) { o.pages.back().granule = -1; }).bytes() << false;
    QTest::newRow("tags page with a granule")
        << Spoilt([](OggPages &o) { o.pages[1].granule = 960; }).bytes() << false;
    QTest::newRow("no tags") << Spoilt([](OggPages &o) {
                                    o.pages[1].packets = {"OpusTagz12345678"};
                                }).bytes()
                             << false;
    QTest::newRow("only the headers") << Spoilt([](OggPages &o) {
                                             o.pages.resize(2);
                                             o.pages[1].flags = 0x04;
                                         }).bytes()
                                      << false;
    QTest::newRow("head and tags share the first page")
        << Spoilt([](OggPages &o) {
               o.pages[0].packets.append(o.pages.takeAt(1).packets);
               for (qsizetype i = 1; i < o.pages.size(); ++i)
                   --o.pages[i].sequence;
           }).bytes()
        << false;
    QTest::newRow("first page not flagged as first")
        << Spoilt([](OggPages &o) { o.pages[0].flags = 0; }).bytes() << false;
    QTest::newRow("second page flagged as first")
        << Spoilt([](OggPages &o) { o.pages[1].flags = 0x02; }).bytes() << false;
    QTest::newRow("Vorbis, not Opus")
        << Spoilt([](OggPages &o) { o.pages[0].packets[0].replace(0, 8, "\x01vorbis"); }).bytes()
        << false;
    QTest::newRow("version 2.0 of the header")
        << Spoilt([](OggPages &o) { o.pages[0].packets[0][8] = 0x20; }).bytes() << false;
    QTest::newRow("version 0") << Spoilt([](OggPages &o) { o.pages[0].packets[0][8] = 0; }).bytes()
                               << false;
    QTest::newRow("head cut short")
        << Spoilt([](OggPages &o) { o.pages[0].packets[0].chop(1); }).bytes() << false;
    QTest::newRow("no channels") << Spoilt([](OggPages &o) {
                                        o.pages[0].packets[0][9] = 0;
                                    }).bytes()
                                 << false;
    QTest::newRow("stereo") << Spoilt([](OggPages &o) { o.pages[0].packets[0][9] = 2; }).bytes()
                            << true;
    QTest::newRow("three channels without a layout")
        << Spoilt([](OggPages &o) { o.pages[0].packets[0][9] = 3; }).bytes() << false;
    QTest::newRow("5.1 with its layout")
        << Spoilt([](OggPages &o) {
               QByteArray &head = o.pages[0].packets[0];
               head[9] = 6;
               head[18] = 1;
               head += QByteArray("\x04\x02\x00\x04\x01\x02\x03\x05", 8);
           }).bytes()
        << true;
    QTest::newRow("5.1 without its layout") << Spoilt([](OggPages &o) {
                                                   QByteArray &head = o.pages[0].packets[0];
                                                   head[9] = 6;
                                                   head[18] = 1;
                                               }).bytes()
                                            << false;
    QTest::newRow("unknown channel family")
        << Spoilt([](OggPages &o) { o.pages[0].packets[0][18] = char(255); }).bytes() << false;
    const QByteArray longPacket(2 * 255, 'p');
    QTest::newRow("a packet across two pages") << Spoilt([&](OggPages &o) {
                                                      o.pages[2].packets.append(longPacket);
                                                      o.pages[2].lastPacketGoesOn = true;
                                                      o.pages[3].flags = 0x01;
                                                      o.pages[3].packets.prepend(QByteArray());
                                                  }).bytes()
                                               << true;
    QTest::newRow("a continued page not flagged") << Spoilt([&](OggPages &o) {
                                                         o.pages[2].packets.append(longPacket);
                                                         o.pages[2].lastPacketGoesOn = true;
                                                         o.pages[3].packets.prepend(QByteArray());
                                                     }).bytes()
                                                  << false;
    QTest::newRow("flagged as continued after a whole packet")
        << Spoilt([](OggPages &o) { o.pages[3].flags = 0x01; }).bytes() << false;
    QTest::newRow("closed inside a packet") << Spoilt([&](OggPages &o) {
                                                   o.pages.back().packets.append(longPacket);
                                                   o.pages.back().lastPacketGoesOn = true;
                                               }).bytes()
                                            << false;
    QTest::newRow("too large to check at once") << HugeOgg() << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void SoundTest::onlyWholeOggOpusFilesAreHandedOn()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, playable);
    writeText(file(u"test.ogg"_s), bytes);
    QCOMPARE(SoundFilePlayer::isPlayableFile(file(u"test.ogg"_s)), playable);
    RecordingOutput output;
    SoundFilePlayer player(output, file(u"alert.wav"_s));
    player.play(file(u"test.ogg"_s));
    QCOMPARE(output.calls.value(0), u"start "_s + file(playable ? u"test.ogg"_s : u"alert.wav"_s));
}

// The start-up report looks over every narration file at once: it reads the first and the last
// page only, and misses a page spoilt in the middle, which the full check refuses at play time.
void SoundTest::aQuickLookChecksBothEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("looksPlayable");
    const QByteArray whole = OggPages::Whole().bytes();
    QTest::newRow("whole") << whole << true;
    QTest::newRow("a wave file") << WaveBytes().bytes() << true;
    QTest::newRow("a wave file cut short") << WaveBytes().bytes().left(1000) << false;
    QTest::newRow("cut short as by head -c") << whole.left(whole.size() - 100) << false;
    QTest::newRow("last page lost")
        << Spoilt([](OggPages &o) { o.pages.removeLast(); }).bytes() << false;
    QTest::newRow("never closed") << Spoilt([](OggPages &o) { o.pages.back().flags = 0; }).bytes()
                                  << false;
    QTest::newRow("last page's checksum wrong")
        << Spoilt([](OggPages &o) { o.pages.back().badCrc = true; }).bytes() << false;
    QTest::newRow("last page of another stream")
        << Spoilt([](OggPages &o) { o.pages.back().serial = 7; }).bytes() << false;
    QTest::newRow("no sound past the pre-skip")
        << Spoilt([](OggPages &o) { o.pages.back().granule = OggPages::PreSkip; }).bytes() << false;
    QTest::newRow("bytes after the last page") << whole + QByteArray(10, '\0') << false;
    QTest::newRow("the capture pattern inside the last page")
        << Spoilt([](OggPages &o) { o.pages.back().packets.append("OggS and more"); }).bytes()
        << true;
    QTest::newRow("Vorbis, not Opus")
        << Spoilt([](OggPages &o) { o.pages[0].packets[0].replace(0, 8, "\x01vorbis"); }).bytes()
        << false;
    QTest::newRow("spoilt in the middle: found only when played")
        << Spoilt([](OggPages &o) { o.pages[3].badCrc = true; }).bytes() << true;
    QTest::newRow("empty file") << QByteArray() << false;
}

void SoundTest::aQuickLookChecksBothEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, looksPlayable);
    writeText(file(u"quick.ogg"_s), bytes);
    QCOMPARE(SoundFilePlayer::looksPlayable(file(u"quick.ogg"_s)), looksPlayable);
}

// The output plays a wave file and Ogg Opus each its own way; the content decides, not the name.
void SoundTest::eachFormatIsToldByItsContent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<SoundFormat>("format");
    QTest::newRow("wave") << u"dui.wav"_s << SoundFormat::Wave;
    QTest::newRow("Ogg Opus") << u"jiangjie13.ogg"_s << SoundFormat::OggOpus;
    QTest::newRow("Ogg Opus named .wav") << u"oggs.wav"_s << SoundFormat::OggOpus;
}

void SoundTest::eachFormatIsToldByItsContent()
{
    QFETCH(QString, name);
    QFETCH(SoundFormat, format);
    QCOMPARE(SoundFilePlayer::playableFormat(file(name)), std::optional(format));
    RecordingOutput output;
    SoundFilePlayer player(output, file(u"alert.wav"_s));
    player.play(file(name));
    QCOMPARE(output.formats, QList<SoundFormat>{format});
}

// A FIFO named like a sound would block a plain open() until someone writes to it.
void SoundTest::aFifoIsNoWaveFile()
{
    const QString fifo = file(u"fifo.wav"_s);
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QVERIFY(!SoundFilePlayer::isPlayableFile(fifo));
}

void SoundTest::playingNeverBlocksEvenWithoutADevice()
{
    QtSoundOutput output(QStringLiteral(LUMARO_SOUND_MODULE));
    SoundFilePlayer player(output, file(u"alert.wav"_s));
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 50; ++i) {
        player.play(file(u"dui.wav"_s));
        player.play(file(u"jiangjie13.ogg"_s));
        player.play(u"d:\\"_s);
        player.play(QString());
    }
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
}

// A program folder that lost its sound module, or holds something else by its name, plays
// nothing and closes at once.
void SoundTest::withoutTheSoundModuleTheProgramIsSilent()
{
    const QString notAModule = file(u"lumaro-sound.so"_s);
    QVERIFY(QFile::copy(file(u"dui.wav"_s), notAModule));
    for (const QString &module : {file(u"missing.so"_s), notAModule}) {
        QtSoundOutput output(module);
        SoundFilePlayer player(output, file(u"alert.wav"_s));
        player.play(file(u"dui.wav"_s));
        player.play(file(u"jiangjie13.ogg"_s));
        player.play(QString());
        QVERIFY(output.finish());
    }
}

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
