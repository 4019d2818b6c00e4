// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own faces, added from the build's program folder as the program adds them.
#include "fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSet>
#include <QTest>
#include <QTextLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// Characters of the main window, a problem, an answer and the print settings.
const QString SampleText = u"应用题是大部分学生感到比较难的内容，（例题）x+a=b 1/2 Orvik Method"_s;

QImage Drawn(const QFont &font, const QString &text)
{
    QImage image(1400, 90, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(4, 70), text);
    return image;
}

QFont Face(const QString &family, double points, bool bold, bool italic = false)
{
    QFont font;
    font.setFamilies({family});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

/// The families the runs of a drawn text come from, in order of name.
QStringList FamiliesDrawing(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun &run : layout.glyphRuns())
        families << run.rawFont().familyName();
    families.removeDuplicates();
    families.sort();
    return families;
}

} // namespace

class ProgramFontsTest : public QObject {
    Q_OBJECT
public:
    explicit ProgramFontsTest(bool added) : m_added(added) {}

private Q_SLOTS:
    void theFacesBesideTheProgramAreAdded();
    void eachDesignNameDrawsWithTheProgramsOwnFace_data();
    void eachDesignNameDrawsWithTheProgramsOwnFace();
    void aCutFaceDrawsExactlyAsItsWholeFace_data();
    void aCutFaceDrawsExactlyAsItsWholeFace();
    void everyCharacterOfTheShippedBanksIsInEveryFace();
    void aCharacterACutFaceLacksComesFromItsWholeFace_data();
    void aCharacterACutFaceLacksComesFromItsWholeFace();
    void theInterfaceFontIsTheSongFace();
    void theSongFaceDrawsItsOwnBitmapsAtSmallSizes_data();
    void theSongFaceDrawsItsOwnBitmapsAtSmallSizes();

private:
    bool m_added;
};

void ProgramFontsTest::theFacesBesideTheProgramAreAdded()
{
    QVERIFY(m_added);
    QVERIFY(!Fonts::addProgramFonts(QDir::tempPath() + u"/no-such-program-folder"_s));
}

void ProgramFontsTest::eachDesignNameDrawsWithTheProgramsOwnFace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("face");
    QTest::newRow("宋体") << u"宋体"_s << false << u"Lumaro Ming"_s;
    QTest::newRow("新宋体, bold") << u"新宋体"_s << true << u"Lumaro Ming"_s;
    QTest::newRow("楷体_GB2312") << u"楷体_GB2312"_s << true << u"Lumaro Kai"_s;
    QTest::newRow("华文行楷") << u"华文行楷"_s << false << u"Lumaro Brush"_s;
    QTest::newRow("华文新魏, bold") << u"华文新魏"_s << true << u"Lumaro Brush"_s;
    QTest::newRow("隶书, bold") << u"隶书"_s << true << u"Lumaro Serif"_s;
    QTest::newRow("黑体") << u"黑体"_s << false << u"Lumaro Hei"_s;
}

void ProgramFontsTest::eachDesignNameDrawsWithTheProgramsOwnFace()
{
    QFETCH(QString, name);
    QFETCH(bool, bold);
    QFETCH(QString, face);
    const QFont font = Fonts::designFont(name, 15.75, bold);
    QCOMPARE(font.families(), QStringList{face});
    QCOMPARE(QFontInfo(font).family(), face);
    QCOMPARE(FamiliesDrawing(font, SampleText), QStringList{face});
}

void ProgramFontsTest::aCutFaceDrawsExactlyAsItsWholeFace_data()
{
    QTest::addColumn<QString>("cut");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("Ming 9") << u"Lumaro Ming"_s << u"AR PL UMing CN"_s << 9.0 << false << false;
    QTest::newRow("Ming 10.5") << u"Lumaro Ming"_s << u"AR PL UMing CN"_s << 10.5 << false << false;
    QTest::newRow("Ming 10.5 bold")
        << u"Lumaro Ming"_s << u"AR PL UMing CN"_s << 10.5 << true << false;
    QTest::newRow("Ming 15.75") << u"Lumaro Ming"_s << u"AR PL UMing CN"_s << 15.75 << false
                                << false;
    QTest::newRow("Ming 26.25") << u"Lumaro Ming"_s << u"AR PL UMing CN"_s << 26.25 << false
                                << false;
    QTest::newRow("Kai 12") << u"Lumaro Kai"_s << u"AR PL UKai CN"_s << 12.0 << false << false;
    QTest::newRow("Kai 21.75 bold italic")
        << u"Lumaro Kai"_s << u"AR PL UKai CN"_s << 21.75 << true << true;
    QTest::newRow("Brush 12") << u"Lumaro Brush"_s << u"LXGW WenKai"_s << 12.0 << false << false;
    QTest::newRow("Brush 26.25 bold")
        << u"Lumaro Brush"_s << u"LXGW WenKai"_s << 26.25 << true << false;
    QTest::newRow("Serif 15.75 bold")
        << u"Lumaro Serif"_s << u"Noto Serif CJK SC"_s << 15.75 << true << false;
    QTest::newRow("Serif 36") << u"Lumaro Serif"_s << u"Noto Serif CJK SC"_s << 36.0 << false
                              << false;
    QTest::newRow("Hei 10.5") << u"Lumaro Hei"_s << u"WenQuanYi Zen Hei"_s << 10.5 << false
                              << false;
    QTest::newRow("Hei 18 bold") << u"Lumaro Hei"_s << u"WenQuanYi Zen Hei"_s << 18.0 << true
                                 << false;
}

void ProgramFontsTest::aCutFaceDrawsExactlyAsItsWholeFace()
{
    QFETCH(QString, cut);
    QFETCH(QString, whole);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    const QImage fromCut = Drawn(Face(cut, points, bold, italic), SampleText);
    const QImage fromWhole = Drawn(Face(whole, points, bold, italic), SampleText);
    QVERIFY(fromWhole != Drawn(Face(whole, points + 1, bold, italic), SampleText));
    if (fromCut != fromWhole) {
        fromCut.save(QDir::temp().filePath(u"cut.png"_s));
        fromWhole.save(QDir::temp().filePath(u"whole.png"_s));
    }
    QVERIFY(fromCut == fromWhole);
}

void ProgramFontsTest::everyCharacterOfTheShippedBanksIsInEveryFace()
{
    QString banks;
    for (int type = 1; type <= 5; ++type) {
        QFile source(QStringLiteral(LUMARO_SOURCE_DIR "/data/banks/tm%1.toml").arg(type));
        QVERIFY(source.open(QIODevice::ReadOnly));
        banks += QString::fromUtf8(source.readAll());
    }
    for (const QString &family : {u"Lumaro Ming"_s, u"Lumaro Kai"_s, u"Lumaro Brush"_s,
                                  u"Lumaro Hei"_s, u"Lumaro Serif"_s}) {
        const QRawFont face = QRawFont::fromFont(Face(family, 12, false));
        QCOMPARE(face.familyName(), family);
        for (const QChar c : std::as_const(banks)) {
            if (c.isPrint() && !c.isSurrogate())
                QVERIFY2(face.supportsCharacter(c), qPrintable(family + u' ' + c));
        }
    }
}

void ProgramFontsTest::aCharacterACutFaceLacksComesFromItsWholeFace_data()
{
    QTest::addColumn<QString>("cut");
    QTest::addColumn<QString>("whole");
    QTest::newRow("Ming") << u"Lumaro Ming"_s << u"AR PL UMing CN"_s;
    QTest::newRow("Kai") << u"Lumaro Kai"_s << u"AR PL UKai CN"_s;
    QTest::newRow("Brush") << u"Lumaro Brush"_s << u"LXGW WenKai"_s;
    QTest::newRow("Hei") << u"Lumaro Hei"_s << u"WenQuanYi Zen Hei"_s;
    QTest::newRow("Serif") << u"Lumaro Serif"_s << u"Noto Serif CJK SC"_s;
}

void ProgramFontsTest::aCharacterACutFaceLacksComesFromItsWholeFace()
{
    QFETCH(QString, cut);
    QFETCH(QString, whole);
    // 魑 is in no text of the program: a teacher's bank, say, has it.
    const QString rare = u"魑"_s;
    const QFont font = Face(cut, 12, false);
    QVERIFY(!QRawFont::fromFont(font).supportsCharacter(rare.at(0)));
    QStringList drawing{cut, whole};
    drawing.sort();
    QCOMPARE(FamiliesDrawing(font, u"题"_s + rare), drawing);
}

void ProgramFontsTest::theInterfaceFontIsTheSongFace()
{
    QCOMPARE(QFontInfo(Fonts::interfaceFont()).family(), u"Lumaro Ming"_s);
    QCOMPARE(QApplication::font().families(), Fonts::interfaceFont().families());
}

void ProgramFontsTest::theSongFaceDrawsItsOwnBitmapsAtSmallSizes_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("bitmaps");
    // At 96 dpi: 11, 12, 14, 16 pixels have drawn strikes; 17 and 19 are smoothed outlines.
    QTest::newRow("8.25") << 8.25 << false << true;
    QTest::newRow("9") << 9.0 << false << true;
    QTest::newRow("10.5") << 10.5 << false << true;
    QTest::newRow("10.5 bold") << 10.5 << true << true;
    QTest::newRow("12") << 12.0 << false << true;
    QTest::newRow("12.75") << 12.75 << false << false;
    QTest::newRow("14.25") << 14.25 << false << false;
}

void ProgramFontsTest::theSongFaceDrawsItsOwnBitmapsAtSmallSizes()
{
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, bitmaps);
    // 魑 comes from the whole face, which draws the same way beside the cut one.
    for (const QString &text : {SampleText, u"魑"_s}) {
        const QImage drawn = Drawn(Fonts::designFont(u"宋体"_s, points, bold), text);
        QSet<QRgb> shades;
        for (int y = 0; y < drawn.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(drawn.constScanLine(y));
            shades.unite(QSet<QRgb>(line, line + drawn.width()));
        }
        QCOMPARE(shades.size() == 2, bitmaps);
    }
}

int main(int argc, char *argv[])
{
    // As the program does: before the application object reads the fonts.
    const bool added = Fonts::addProgramFonts(QStringLiteral(LUMARO_BIN_DIR));
    QApplication app(argc, argv);
    QApplication::setFont(Fonts::interfaceFont());
    ProgramFontsTest test(added);
    return QTest::qExec(&test, argc, argv);
}

#include "programfonts_test.moc"
