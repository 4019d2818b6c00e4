// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class FontsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyDesignFontFindsAChineseFace_data();
    void everyDesignFontFindsAChineseFace();
    void otherNamesPassUnchanged();
    void styleAndSizeAreKept();
};

void FontsTest::everyDesignFontFindsAChineseFace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ownFace");
    QTest::addColumn<QString>("wholeFace");
    QTest::newRow("宋体") << u"宋体"_s << u"Lumaro Ming"_s << u"AR PL UMing CN"_s;
    QTest::newRow("新宋体") << u"新宋体"_s << u"Lumaro Ming"_s << u"AR PL UMing CN"_s;
    QTest::newRow("楷体_GB2312") << u"楷体_GB2312"_s << u"Lumaro Kai"_s << u"AR PL UKai CN"_s;
    QTest::newRow("华文行楷") << u"华文行楷"_s << u"Lumaro Brush"_s << u"LXGW WenKai"_s;
    QTest::newRow("华文新魏") << u"华文新魏"_s << u"Lumaro Brush"_s << u"LXGW WenKai"_s;
    QTest::newRow("隶书") << u"隶书"_s << u"Lumaro Serif"_s << u"Noto Serif CJK SC"_s;
    QTest::newRow("黑体") << u"黑体"_s << u"Lumaro Hei"_s << u"WenQuanYi Zen Hei"_s;
}

// This process does not add the program's own faces: the whole faces stand in for them.
void FontsTest::everyDesignFontFindsAChineseFace()
{
    QFETCH(QString, name);
    QFETCH(QString, ownFace);
    QFETCH(QString, wholeFace);
    QVERIFY(Fonts::designNames().contains(name));
    const QStringList families = Fonts::familiesFor(name);
    QCOMPARE(families.value(0), name);
    QCOMPARE(families.value(1), ownFace);
    QCOMPARE(families.value(2), wholeFace);

    const QFont font = Fonts::designFont(name, 15.75);
    // Named alone: no search through every font on the system for fallbacks at first use.
    QCOMPARE(font.families(), QStringList{wholeFace});
    const QString used = QFontInfo(font).family();
    // The set-up installs the whole face of each name: the window shows it, not a fallback.
    QCOMPARE(used, wholeFace);
    const QFontMetrics metrics(font);
    for (const QChar c : u"应用题数量关系"_s)
        QVERIFY2(metrics.inFont(c), qPrintable(used));
}

void FontsTest::otherNamesPassUnchanged()
{
    QCOMPARE(Fonts::familiesFor(u"Courier New"_s), QStringList{u"Courier New"_s});
    // A face not installed is left for Qt to stand in for.
    QCOMPARE(Fonts::designFont(u"No Such Face"_s, 12).families(), QStringList{u"No Such Face"_s});
}

void FontsTest::styleAndSizeAreKept()
{
    const QFont font = Fonts::designFont(u"楷体_GB2312"_s, 21.75, true, true);
    QCOMPARE(font.pointSizeF(), 21.75);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
}

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
