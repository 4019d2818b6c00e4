// SPDX-License-Identifier: GPL-3.0-or-later
#include "practicelayout.h"

#include <QTest>

class PracticeLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placesFollowTheScreen_data();
    void placesFollowTheScreen();
    void nothingOverlapsOnTheSmallestScreen();
    void theSettingsPanelHoldsItsParts();
};

namespace {

const PracticeLayout OnSmallestScreen = PracticeLayoutFor(15360, 11520);

} // namespace

void PracticeLayoutTest::placesFollowTheScreen_data()
{
    // On a 1024 × 768 screen: W = 15360, H = 11520 twips.
    QTest::addColumn<QRectF>("place");
    QTest::addColumn<QRectF>("expected");
    const PracticeLayout &l = OnSmallestScreen;
    const double pic1Height = 11520 / 3.5;
    const double frame5Width = 15360 / 2.7;
    QTest::newRow("Pic1") << l.pic1 << QRectF(240, 240, 7680, pic1Height);
    QTest::newRow("Frame5") << l.frame5 << QRectF(15360 / 1.65, 240, frame5Width, pic1Height);
    QTest::newRow("Pic2 width") << QRectF(0, 0, l.pic2.width(), 0)
                                << QRectF(0, 0, frame5Width - 100, 0);
    QTest::newRow("Label9") << l.label9 << QRectF(900, 3840, 0, 0);
    QTest::newRow("Text1") << l.text1 << QRectF(2400, 3840, 7680 / 1.5, 450);
    QTest::newRow("Label15") << l.label15 << QRectF(2280, 11520 / 2.5, 0, 0);
    QTest::newRow("Label10") << l.label10 << QRectF(7680, 3840, 0, 0);
    QTest::newRow("faces") << l.faces << QRectF(15360 / 1.65 - 1000, 2400, 480, 480);
    QTest::newRow("Label11") << l.label11 << QRectF(15360 / 1.65 - 1000, 3840, 0, 0);
    QTest::newRow("Label12") << l.label12 << QRectF(15360 / 1.65 - 1000, 4340, 0, 0);
    QTest::newRow("Label14") << l.label14 << QRectF(15360 / 1.65 - 1000, 4840, 0, 0);
    QTest::newRow("Text3") << l.text3 << QRectF(2560, 11520 - 4608 - 1300, 15360 / 1.8, 4608);
    QTest::newRow("Text4") << l.text4 << QRectF(300, 11520 - 4608 - 1300, 15360 / 7.0, 4608);
    QTest::newRow("Label1 top") << QRectF(0, l.label1.top(), 0, 0) << QRectF(0, 11520 / 2.3, 0, 0);
    QTest::newRow("Label2 top") << QRectF(0, l.label2.top(), 0, 0) << QRectF(0, 11520 / 2.3, 0, 0);
    QTest::newRow("Frame1") << l.frame1 << QRectF(11360, 11520 - 3855 - 3500, 3455, 3855);
    QTest::newRow("Command1") << l.command1 << QRectF(11360, 8720, 1455, 495);
    QTest::newRow("Command2") << l.command2 << QRectF(13360, 8720, 1095, 495);
    QTest::newRow("Command3") << l.command3 << QRectF(11360, 9520, 1455, 495);
    QTest::newRow("Command4") << l.command4 << QRectF(13360, 9520, 1455, 495);
}

void PracticeLayoutTest::placesFollowTheScreen()
{
    QFETCH(QRectF, place);
    QFETCH(QRectF, expected);
    QCOMPARE(place, expected);
}

void PracticeLayoutTest::nothingOverlapsOnTheSmallestScreen()
{
    const PracticeLayout &l = OnSmallestScreen;
    const QRectF screen(0, 0, 15360, 11520);
    const QRectF boxes[] = {l.pic1,     l.frame5,   l.text1,    l.text3,    l.text4, l.frame1,
                            l.command1, l.command2, l.command3, l.command4, l.faces};
    for (const QRectF &box : boxes)
        QVERIFY(screen.contains(box));
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        for (std::size_t j = i + 1; j < std::size(boxes); ++j)
            QVERIFY2(!boxes[i].intersects(boxes[j]), qPrintable(QString::number(i * 100 + j)));
    }
}

void PracticeLayoutTest::theSettingsPanelHoldsItsParts()
{
    const SettingsPanelLayout panel = SettingsPanel();
    const QRectF frame1(QPointF(0, 0), OnSmallestScreen.frame1.size());
    QVERIFY(frame1.contains(panel.frame3));
    QVERIFY(frame1.contains(panel.frame4));
    QVERIFY(frame1.contains(panel.frame2));
    QVERIFY(panel.frame3.bottom() <= panel.frame4.top());
    QVERIFY(panel.frame4.bottom() <= panel.frame2.top());
    const QRectF frame3(QPointF(0, 0), panel.frame3.size());
    for (const QRectF &swatch : panel.swatches) {
        QCOMPARE(swatch.size(), QSizeF(375, 615));
        QVERIFY(frame3.contains(swatch));
    }
    for (int i = 1; i < 4; ++i)
        QVERIFY(panel.swatches[i - 1].right() < panel.swatches[i].left());
}

QTEST_GUILESS_MAIN(PracticeLayoutTest)
#include "practicelayout_test.moc"
