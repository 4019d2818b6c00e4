// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"
#include "oggpages.h"
#include "programfiles.h"
#include "programsettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int RecordBytes = 470;
// Records per bank in the folder the tests lay out, tm1 first.
const QList<int> Records{3, 2, 2, 2, 4};

QByteArray Le32(quint32 v)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(v, bytes.data());
    return bytes;
}

QByteArray Le16(quint16 v)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(v, bytes.data());
    return bytes;
}

// A short but complete 11 kHz mono 16-bit PCM wave file.
QByteArray Wave()
{
    const QByteArray samples(220, '\0');
    QByteArray format =
        "fmt " + Le32(16) + Le16(1) + Le16(1) + Le32(11025) + Le32(22050) + Le16(2) + Le16(16);
    QByteArray body = "WAVE" + format + "data" + Le32(samples.size()) + samples;
    return "RIFF" + Le32(body.size()) + body;
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Lays out a folder holding every file the program reads.
bool LayOutProgramFolder(const QDir &dir)
{
    bool ok = true;
    for (qsizetype t = 0; t < Records.size(); ++t) {
        const QString type = QString::number(t + 1);
        ok &= Write(dir.filePath(u"tm"_s + type + u".dat"_s),
                    QByteArray(Records[t] * RecordBytes, ' '));
        ok &= Write(dir.filePath(u"tm"_s + type + u".sha256"_s), "checksum");
        for (int k = 1; k <= Records[t]; ++k)
            ok &= Write(dir.filePath(u"jiangjie"_s + type + QString::number(k) + u".ogg"_s),
                        OggPages::Whole().bytes());
    }
    for (const QString &sound : {u"ptq"_s, u"dui"_s, u"zhadan"_s, u"alert"_s})
        ok &= Write(dir.filePath(sound + u".wav"_s), Wave());
    ok &= Write(dir.filePath(u"lumaro-sound.so"_s), "module");
    ok &= dir.mkdir(Fonts::programFontFolderName());
    for (const QString &face : Fonts::programFontFileNames())
        ok &= Write(dir.filePath(Fonts::programFontFolderName() + u'/' + face), "face");
    return ok;
}

} // namespace

class ProgramFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void whatIsMissingIsNamed_data();
    void whatIsMissingIsNamed();
    void theReportNamesFullPathsOnePerLine();
    void theExplanationsAreOptional();
};

void ProgramFilesTest::whatIsMissingIsNamed_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // written in its place; null: removed
    QTest::addColumn<QStringList>("missing");
    QTest::newRow("nothing") << QString() << QByteArray() << QStringList();
    QTest::newRow("a bank: its narration is not asked for")
        << u"tm3.dat"_s << QByteArray() << QStringList{u"\\tm3.dat"_s};
    QTest::newRow("a bank's checksum")
        << u"tm4.sha256"_s << QByteArray() << QStringList{u"\\tm4.sha256"_s};
    QTest::newRow("the first narration")
        << u"jiangjie21.ogg"_s << QByteArray() << QStringList{u"\\jiangjie21.ogg"_s};
    QTest::newRow("the closing words, the last record's")
        << u"jiangjie54.ogg"_s << QByteArray() << QStringList{u"\\jiangjie54.ogg"_s};
    QTest::newRow("a narration cut short")
        << u"jiangjie32.ogg"_s << OggPages::Whole().bytes().left(3000)
        << QStringList{u"\\jiangjie32.ogg"_s};
    QTest::newRow("a narration left as a wave file")
        << u"jiangjie31.ogg"_s << Wave() << QStringList();
    QTest::newRow("the title music") << u"ptq.wav"_s << QByteArray() << QStringList{u"\\ptq.wav"_s};
    QTest::newRow("a sound that is no wave file")
        << u"dui.wav"_s << QByteArray("not a sound") << QStringList{u"\\dui.wav"_s};
    QTest::newRow("an empty alert sound")
        << u"alert.wav"_s << QByteArray("") << QStringList{u"\\alert.wav"_s};
    QTest::newRow("the sound module")
        << u"lumaro-sound.so"_s << QByteArray() << QStringList{u"\\lumaro-sound.so"_s};
    QTest::newRow("one of the program's faces")
        << u"fonts/lumaro-kai.ttf"_s << QByteArray() << QStringList{u"\\fonts\\lumaro-kai.ttf"_s};
    QTest::newRow("a bank grown by a record wants its narration")
        << u"tm1.dat"_s << QByteArray(4 * RecordBytes, ' ') << QStringList{u"\\jiangjie14.ogg"_s};
    QTest::newRow("a bank shorter than a record asks for no narration")
        << u"tm2.dat"_s << QByteArray(RecordBytes - 1, ' ') << QStringList();
}

void ProgramFilesTest::whatIsMissingIsNamed()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, missing);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QDir dir(root.path());
    QVERIFY(LayOutProgramFolder(dir));
    if (!file.isEmpty()) {
        QVERIFY(QFile::remove(dir.filePath(file)));
        if (!content.isNull())
            QVERIFY(Write(dir.filePath(file), content));
    }
    QCOMPARE(MissingProgramFiles(QDir::toNativeSeparators(root.path())), missing);
}

void ProgramFilesTest::theReportNamesFullPathsOnePerLine()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString folder = QDir::toNativeSeparators(root.path());
    QVERIFY(QDir(root.path()).mkdir(u"tm4.dat"_s)); // a folder is not a bank

    QString text;
    QTextStream out(&text);
    ReportMissingProgramFiles(folder, out);
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    // Five banks with their checksums, four sounds, the sound module and the seven faces; no
    // bank, so no narration.
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines[6],
             u"Lumaro：程序文件夹中缺少文件 "_s + JoinProgramPath(folder, u"\\tm4.dat"_s));
    QCOMPARE(lines[7],
             u"Lumaro：程序文件夹中缺少文件 "_s + JoinProgramPath(folder, u"\\tm4.sha256"_s));
    QVERIFY(lines[13].endsWith(JoinProgramPath(folder, u"\\alert.wav"_s)));

    QTemporaryDir complete;
    QVERIFY(LayOutProgramFolder(QDir(complete.path())));
    text.clear();
    ReportMissingProgramFiles(complete.path(), out);
    QCOMPARE(text, QString());
}

// Without the explanations beside the banks the program runs as before, so a folder that
// lacks them lacks nothing it must have.
void ProgramFilesTest::theExplanationsAreOptional()
{
    QTemporaryDir folder;
    QVERIFY(LayOutProgramFolder(QDir(folder.path())));
    const QStringList optional = OptionalProgramFileNames();
    QCOMPARE(optional.size(), 5);
    QCOMPARE(optional.first(), u"\\tm1.mistakes.txt"_s);
    QCOMPARE(optional.last(), u"\\tm5.mistakes.txt"_s);
    for (const QString &name : optional) {
        QVERIFY(!ProgramFileNames(folder.path()).contains(name));
        QVERIFY(!QFile::exists(JoinProgramPath(folder.path(), name)));
    }
    QVERIFY(MissingProgramFiles(folder.path()).isEmpty());
}

QTEST_GUILESS_MAIN(ProgramFilesTest)
#include "programfiles_test.moc"
