// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsettingswindow.h"

#include "controls.h"
#include "units.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QComboBox *box(QWidget &window, const QString &name)
{
    return window.findChild<QComboBox *>(name);
}

QLineEdit *copiesBox(QWidget &window)
{
    return window.findChild<QLineEdit *>(u"Text1"_s);
}

CaptionLabel *okLabel(QWidget &window)
{
    return window.findChild<CaptionLabel *>(u"Label9"_s);
}

QStringList items(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts.append(combo.itemText(i));
    return texts;
}

QRect twips(const QWidget &control)
{
    const TwipScale scale = TwipScale::of(control);
    const QRect g = control.geometry();
    return QRect(qRound(scale.toTwips(g.x())), qRound(scale.toTwips(g.y())),
                 qRound(scale.toTwips(g.width())), qRound(scale.toTwips(g.height())));
}

} // namespace

class PrintSettingsWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theWindowIsDesignedAsTheOthers();
    void boxesStartWithTheDefaultsAndOfferTheirLists_data();
    void boxesStartWithTheDefaultsAndOfferTheirLists();
    void boxesArePlacedInTwips_data();
    void boxesArePlacedInTwips();
    void focusMovesThroughFontMarginsSizeAndCopies();
    void typedTextsAreReadAsTypedAndNotAddedToTheLists();
    void okHidesAndTheValuesStayForTheNextOpening();
    void closingByTheFrameKeepsTheValues();
    void okTurnsYellowUnderThePointerAndRedOverTheBackground();
};

void PrintSettingsWindowTest::theWindowIsDesignedAsTheOthers()
{
    PrintSettingsWindow window;
    QCOMPARE(window.objectName(), u"Form7"_s);
    QCOMPARE(window.windowTitle(), u"打印设置"_s);
    const TwipScale scale = TwipScale::of(window);
    QCOMPARE(window.size(), QSize(scale.toPixels(5550), scale.toPixels(3975)));
    QStringList captions;
    for (const CaptionLabel *label : window.findChildren<CaptionLabel *>()) {
        captions.append(label->caption());
        QCOMPARE(label->textColor(), QColor(255, 0, 0));
    }
    QCOMPARE(captions, QStringList({u"纸型：A4"_s, u"字体"_s, u"字号"_s, u"打印份数"_s, u"上边距"_s,
                                    u"下边距"_s, u"左边距"_s, u"右边距"_s, u"确定"_s}));
    QVERIFY(!window.isVisible());
}

void PrintSettingsWindowTest::boxesStartWithTheDefaultsAndOfferTheirLists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("choices");
    QTest::newRow("font name") << u"Combo1"_s << u"宋体"_s << PrintChoices::fontNames();
    QTest::newRow("font size") << u"Combo2"_s << u"10"_s << PrintChoices::fontSizes();
    QTest::newRow("top") << u"Combo3"_s << u"1"_s << PrintChoices::margins();
    QTest::newRow("bottom") << u"Combo4"_s << u"1"_s << PrintChoices::margins();
    QTest::newRow("left") << u"Combo5"_s << u"1"_s << PrintChoices::margins();
    QTest::newRow("right") << u"Combo6"_s << u"1"_s << PrintChoices::margins();
}

void PrintSettingsWindowTest::boxesStartWithTheDefaultsAndOfferTheirLists()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QStringList, choices);
    PrintSettingsWindow window;
    QComboBox *combo = box(window, name);
    QVERIFY(combo);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->currentText(), text);
    QCOMPARE(items(*combo), choices);
    QCOMPARE(copiesBox(window)->text(), u"1"_s);
    QCOMPARE(window.settings(), PrintSettings());
}

void PrintSettingsWindowTest::boxesArePlacedInTwips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Combo1") << u"Combo1"_s << QRect(1200, 1080, 1215, 360);
    QTest::newRow("Combo2") << u"Combo2"_s << QRect(1200, 1680, 1215, 360);
    QTest::newRow("Text1") << u"Text1"_s << QRect(1320, 2280, 615, 375);
    QTest::newRow("Combo3") << u"Combo3"_s << QRect(3960, 600, 1215, 360);
    QTest::newRow("Combo4") << u"Combo4"_s << QRect(3960, 1080, 1215, 360);
    QTest::newRow("Combo5") << u"Combo5"_s << QRect(3960, 1680, 1215, 360);
    QTest::newRow("Combo6") << u"Combo6"_s << QRect(3960, 2280, 1215, 360);
}

void PrintSettingsWindowTest::boxesArePlacedInTwips()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    PrintSettingsWindow window;
    QWidget *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    const QRect placed = twips(*control);
    // One pixel is 15 twips at 96 dpi.
    QVERIFY2(std::abs(placed.x() - place.x()) <= 8 && std::abs(placed.y() - place.y()) <= 8 &&
                 std::abs(placed.width() - place.width()) <= 8 &&
                 std::abs(placed.height() - place.height()) <= 8,
             qPrintable(name));
    const CaptionLabel *ok = okLabel(window);
    QVERIFY(std::abs(twips(*ok).x() - 3960) <= 8 && std::abs(twips(*ok).y() - 3000) <= 8);
}

void PrintSettingsWindowTest::focusMovesThroughFontMarginsSizeAndCopies()
{
    PrintSettingsWindow window;
    window.open();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget *first = box(window, u"Combo1"_s);
    first->setFocus();
    QStringList order;
    QWidget *at = first;
    for (int step = 0; step < 7; ++step) {
        order.append(at->objectName());
        at = at->nextInFocusChain();
        while (at->focusProxy() || !(at->focusPolicy() & Qt::TabFocus) ||
               at->objectName().isEmpty())
            at = at->nextInFocusChain();
    }
    QCOMPARE(order, QStringList({u"Combo1"_s, u"Combo3"_s, u"Combo4"_s, u"Combo5"_s, u"Combo6"_s,
                                 u"Combo2"_s, u"Text1"_s}));
}

void PrintSettingsWindowTest::typedTextsAreReadAsTypedAndNotAddedToTheLists()
{
    PrintSettingsWindow window;
    window.open();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QComboBox *size = box(window, u"Combo2"_s);
    size->setFocus();
    size->lineEdit()->selectAll();
    QTest::keyClicks(size, u"20"_s);
    QTest::keyClick(size, Qt::Key_Return);
    QComboBox *left = box(window, u"Combo5"_s);
    left->lineEdit()->selectAll();
    left->lineEdit()->insert(u"宽一点"_s);
    copiesBox(window)->setText(u"3"_s);
    const PrintSettings texts = window.settings();
    QCOMPARE(texts.fontSize, u"20"_s);
    QCOMPARE(texts.leftMargin, u"宽一点"_s);
    QCOMPARE(texts.copies, u"3"_s);
    QCOMPARE(items(*size), PrintChoices::fontSizes());
}

void PrintSettingsWindowTest::okHidesAndTheValuesStayForTheNextOpening()
{
    PrintSettingsWindow window;
    window.open();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    box(window, u"Combo1"_s)->setEditText(u"黑体"_s);
    box(window, u"Combo6"_s)->setEditText(u"4.5"_s);
    QTest::mouseClick(okLabel(window), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.settings().fontName, u"黑体"_s);
    QCOMPARE(window.settings().rightMargin, u"4.5"_s);
    window.open();
    QVERIFY(window.isVisible());
    QCOMPARE(box(window, u"Combo1"_s)->currentText(), u"黑体"_s);
    QCOMPARE(box(window, u"Combo6"_s)->currentText(), u"4.5"_s);
}

void PrintSettingsWindowTest::closingByTheFrameKeepsTheValues()
{
    PrintSettingsWindow window;
    window.open();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    copiesBox(window)->setText(u"2"_s);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(window.settings().copies, u"2"_s);
}

void PrintSettingsWindowTest::okTurnsYellowUnderThePointerAndRedOverTheBackground()
{
    PrintSettingsWindow window;
    window.open();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    CaptionLabel *ok = okLabel(window);
    QTest::mouseMove(ok, QPoint(5, 5));
    QTRY_COMPARE(ok->textColor(), QColor(255, 255, 0));
    QTest::mouseMove(&window, QPoint(10, 250));
    QTRY_COMPARE(ok->textColor(), QColor(255, 0, 0));
    window.Label9_MouseMove();
    QCOMPARE(ok->textColor(), QColor(255, 255, 0));
    window.Form_MouseMove();
    QCOMPARE(ok->textColor(), QColor(255, 0, 0));
}

QTEST_MAIN(PrintSettingsWindowTest)
#include "printsettingswindow_test.moc"
