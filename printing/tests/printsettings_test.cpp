// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsettings.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class PrintSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultsAreTheWindowsFirstTexts();
    void offeredLists();
    void numbersAreUsedAsTyped_data();
    void numbersAreUsedAsTyped();
    void settingsThatAreNotUsableNumbersFallBackToTheirDefaults_data();
    void settingsThatAreNotUsableNumbersFallBackToTheirDefaults();
    void everyUnusableBoxIsNamedInOneMessage();
    void copies_data();
    void copies();
};

void PrintSettingsTest::defaultsAreTheWindowsFirstTexts()
{
    const PrintSettings texts;
    QCOMPARE(texts.fontName, u"宋体"_s);
    QCOMPARE(texts.fontSize, u"10"_s);
    for (const QString &margin :
         {texts.topMargin, texts.bottomMargin, texts.leftMargin, texts.rightMargin})
        QCOMPARE(margin, u"1"_s);
    QCOMPARE(texts.copies, u"1"_s);

    const PageSettingsReading reading = ReadPageSettings(texts);
    QVERIFY(reading.unusable.isEmpty());
    QCOMPARE(reading.settings.fontName, u"宋体"_s);
    QCOMPARE(reading.settings.fontSize, 10.0);
    QCOMPARE(reading.settings.top, 1.0);
    QCOMPARE(reading.settings.bottom, 1.0);
    QCOMPARE(reading.settings.left, 1.0);
    QCOMPARE(reading.settings.right, 1.0);
    QCOMPARE(ReadCopies(texts.copies).copies, 1);
}

void PrintSettingsTest::offeredLists()
{
    QCOMPARE(PrintChoices::fontNames(),
             QStringList({u"宋体"_s, u"楷体_GB2312"_s, u"新宋体"_s, u"华文行楷"_s, u"华文新魏"_s,
                          u"隶书"_s, u"黑体"_s}));
    QCOMPARE(PrintChoices::fontSizes(), QStringList({u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"10"_s,
                                                     u"11"_s, u"12"_s, u"13"_s, u"14"_s, u"15"_s}));
    QCOMPARE(PrintChoices::margins(),
             QStringList({u"1"_s, u"1.5"_s, u"2"_s, u"2.5"_s, u"3"_s, u"3.5"_s, u"4"_s, u"4.5"_s,
                          u"5"_s, u"6"_s, u"7"_s}));
}

void PrintSettingsTest::numbersAreUsedAsTyped_data()
{
    QTest::addColumn<QString>("fontSize");
    QTest::addColumn<QString>("margin");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("margins");
    QTest::newRow("from the lists") << u"14"_s << u"3.5"_s << 14.0 << 3.5;
    QTest::newRow("not in the lists") << u"20"_s << u"0"_s << 20.0 << 0.0;
    QTest::newRow("fractions") << u"10.5"_s << u".5"_s << 10.5 << 0.5;
    QTest::newRow("blanks around") << u" 12 "_s << u" 2 "_s << 12.0 << 2.0;
    QTest::newRow("exponent") << u"1.2E1"_s << u"5e0"_s << 12.0 << 5.0;
}

void PrintSettingsTest::numbersAreUsedAsTyped()
{
    QFETCH(QString, fontSize);
    QFETCH(QString, margin);
    QFETCH(double, size);
    QFETCH(double, margins);
    PrintSettings texts;
    texts.fontName = u"隶书"_s;
    texts.fontSize = fontSize;
    texts.topMargin = texts.bottomMargin = texts.leftMargin = texts.rightMargin = margin;
    const PageSettingsReading reading = ReadPageSettings(texts);
    QVERIFY(reading.unusable.isEmpty());
    QCOMPARE(reading.settings.fontName, u"隶书"_s);
    QCOMPARE(reading.settings.fontSize, size);
    QCOMPARE(reading.settings.top, margins);
    QCOMPARE(reading.settings.bottom, margins);
    QCOMPARE(reading.settings.left, margins);
    QCOMPARE(reading.settings.right, margins);
}

void PrintSettingsTest::settingsThatAreNotUsableNumbersFallBackToTheirDefaults_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("letters") << u"abc"_s;
    QTest::newRow("Chinese") << u"五"_s;
    QTest::newRow("decimal comma") << u"1,5"_s;
    QTest::newRow("two points") << u"1.2.3"_s;
    QTest::newRow("trailing letters") << u"12pt"_s;
    QTest::newRow("negative") << u"-3"_s;
    QTest::newRow("beyond any page") << u"1e9"_s;
    QTest::newRow("beyond the double range") << u"1e999"_s;
}

void PrintSettingsTest::settingsThatAreNotUsableNumbersFallBackToTheirDefaults()
{
    QFETCH(QString, text);
    const struct {
        QString PrintSettings::*field;
        double PageSettings::*value;
        QString box;
        double fallback;
    } boxes[] = {
        {&PrintSettings::fontSize, &PageSettings::fontSize, u"字号"_s, 10},
        {&PrintSettings::topMargin, &PageSettings::top, u"上边距"_s, 1},
        {&PrintSettings::bottomMargin, &PageSettings::bottom, u"下边距"_s, 1},
        {&PrintSettings::leftMargin, &PageSettings::left, u"左边距"_s, 1},
        {&PrintSettings::rightMargin, &PageSettings::right, u"右边距"_s, 1},
    };
    for (const auto &box : boxes) {
        PrintSettings texts;
        texts.*box.field = text;
        const PageSettingsReading reading = ReadPageSettings(texts);
        QCOMPARE(reading.settings.*box.value, box.fallback);
        QCOMPARE(reading.unusable.size(), 1);
        QCOMPARE(reading.unusable.front().box, box.box);
        QCOMPARE(reading.unusable.front().usedInstead, QString::number(box.fallback));
    }
}

void PrintSettingsTest::everyUnusableBoxIsNamedInOneMessage()
{
    PrintSettings texts;
    texts.fontSize = u"大"_s;
    texts.leftMargin = QString();
    texts.rightMargin = u"2"_s;
    const PageSettingsReading reading = ReadPageSettings(texts);
    QCOMPARE(reading.unusable,
             (QList<UnusableSetting>{{u"字号"_s, u"10"_s}, {u"左边距"_s, u"1"_s}}));
    QCOMPARE(reading.settings.right, 2.0);
    QCOMPARE(UnusableSettingsText(reading.unusable),
             u"“字号”里不是可用的数字，这次按 10 处理。\r\n"
             u"“左边距”里不是可用的数字，这次按 1 处理。"_s);
    QVERIFY(UnusableSettingsText({}).isEmpty());
}

void PrintSettingsTest::copies_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<bool>("capped");
    QTest::newRow("one") << u"1"_s << 1 << true << false;
    QTest::newRow("three") << u"3"_s << 3 << true << false;
    QTest::newRow("blanks around") << u" 2 "_s << 2 << true << false;
    QTest::newRow("half goes to even, down") << u"2.5"_s << 2 << true << false;
    QTest::newRow("half goes to even, up") << u"1.5"_s << 2 << true << false;
    QTest::newRow("fraction to nearest") << u"2.6"_s << 3 << true << false;
    QTest::newRow("zero prints nothing") << u"0"_s << 0 << true << false;
    QTest::newRow("half rounds to zero") << u"0.5"_s << 0 << true << false;
    QTest::newRow("negative prints nothing") << u"-4"_s << 0 << true << false;
    QTest::newRow("ninety-nine") << u"99"_s << 99 << true << false;
    QTest::newRow("just below the cap") << u"99.4"_s << 99 << true << false;
    QTest::newRow("half above rounds up past the cap") << u"99.5"_s << 99 << true << true;
    QTest::newRow("more is clamped") << u"150"_s << 99 << true << true;
    QTest::newRow("beyond 16 bits") << u"40000"_s << 99 << true << true;
    QTest::newRow("huge") << u"1e300"_s << 99 << true << true;
    QTest::newRow("empty") << QString() << 1 << false << false;
    QTest::newRow("letters") << u"three"_s << 1 << false << false;
    QTest::newRow("Chinese numeral") << u"三"_s << 1 << false << false;
}

void PrintSettingsTest::copies()
{
    QFETCH(QString, text);
    QFETCH(int, copies);
    QFETCH(bool, isNumber);
    QFETCH(bool, capped);
    const CopiesReading reading = ReadCopies(text);
    QCOMPARE(reading.copies, copies);
    QCOMPARE(reading.isNumber, isNumber);
    QCOMPARE(reading.capped, capped);
}

QTEST_GUILESS_MAIN(PrintSettingsTest)
#include "printsettings_test.moc"
