// SPDX-License-Identifier: GPL-3.0-or-later
#include "backdrop.h"
#include "controls.h"
#include "pictures.h"
#include "surfaceview.h"
#include "textsurface.h"

#include <QAccessible>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ControlsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void labelsReportClicksAndMovesAndKeepThem();
    void disabledLabelsIgnoreClicks();
    void framesReportMovesOverTheirBackground();
    void captionsAreReadByScreenReaders();
    void missingPicturesLeaveThePlainColour();
    void picturesCoverTheBackdrop();
    void cursorsFallBackToAShape();
    void aSurfaceViewShowsWhatWasPrinted();
};

void ControlsTest::labelsReportClicksAndMovesAndKeepThem()
{
    QWidget window;
    window.resize(300, 200);
    CaptionFrame frame(u"Frame1"_s, u" 选择学习内容 "_s, &window);
    frame.setGeometry(0, 0, 300, 200);
    CaptionLabel label(u"Label4"_s, &frame);
    label.setCaption(u"加减应用题"_s);
    label.setGeometry(20, 40, 120, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy clicks(&label, &CaptionLabel::clicked);
    QSignalSpy moves(&label, &CaptionLabel::mouseMoved);
    QSignalSpy frameMoves(&frame, &CaptionFrame::backgroundMouseMoved);
    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseMove(&label, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(moves.count() >= 1);
    QCOMPARE(frameMoves.count(), 0);
    QTest::mouseClick(&label, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
}

void ControlsTest::disabledLabelsIgnoreClicks()
{
    CaptionLabel label(u"Label9"_s);
    label.setCaption(u"例题"_s);
    label.resize(80, 30);
    label.setEnabled(false);
    QSignalSpy clicks(&label, &CaptionLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
}

void ControlsTest::framesReportMovesOverTheirBackground()
{
    CaptionFrame frame(u"Frame2"_s, u" 选择学习方式"_s);
    frame.resize(200, 200);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QSignalSpy moves(&frame, &CaptionFrame::backgroundMouseMoved);
    QTest::mouseMove(&frame, QPoint(150, 150));
    QVERIFY(moves.count() >= 1);
}

void ControlsTest::captionsAreReadByScreenReaders()
{
    CaptionLabel label(u"Label2"_s);
    label.setCaption(u"基本思想"_s);
    CaptionFrame frame(u"Frame1"_s, u" 选择学习内容 "_s);
    QCOMPARE(QAccessible::queryAccessibleInterface(&label)->text(QAccessible::Name), u"基本思想"_s);
    QCOMPARE(QAccessible::queryAccessibleInterface(&frame)->text(QAccessible::Name),
             u" 选择学习内容 "_s);
}

void ControlsTest::missingPicturesLeaveThePlainColour()
{
    QVERIFY(Pictures::render(u":/art/no-such-picture.svg"_s, QSize(80, 80)).isNull());
    Backdrop backdrop;
    backdrop.resize(40, 30);
    backdrop.setBackColor(QColor(128, 128, 255));
    backdrop.setPicture(u":/art/no-such-picture.svg"_s);
    QVERIFY(!backdrop.showsPicture());
    const QImage shot = backdrop.grab().toImage();
    QCOMPARE(shot.pixelColor(20, 15), QColor(128, 128, 255));
}

void ControlsTest::picturesCoverTheBackdrop()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"green.svg"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="3" viewBox="0 0 4 3">
                  <rect width="4" height="3" fill="#00ff00"/></svg>)");
    file.close();
    Backdrop backdrop;
    backdrop.resize(40, 30);
    backdrop.setBackColor(Qt::white);
    backdrop.setPicture(path);
    QVERIFY(backdrop.showsPicture());
    const QImage shot = backdrop.grab().toImage();
    QCOMPARE(shot.pixelColor(1, 1), QColor(0, 255, 0));
    QCOMPARE(shot.pixelColor(38, 28), QColor(0, 255, 0));
}

void ControlsTest::cursorsFallBackToAShape()
{
    const QCursor cursor =
        Pictures::cursor(u":/art/no-such-cursor.svg"_s, QPoint(10, 2), Qt::PointingHandCursor);
    QCOMPARE(cursor.shape(), Qt::PointingHandCursor);
}

void ControlsTest::aSurfaceViewShowsWhatWasPrinted()
{
    TextSurface surface;
    SurfaceView view(surface);
    view.resize(200, 60);
    view.setBackColor(Qt::white);
    surface.setFontSize(20);
    surface.setTextColor(Qt::red);
    QImage before = view.grab().toImage();
    surface.print(u"题"_s);
    QImage after = view.grab().toImage();
    QVERIFY(before != after);
    surface.clear();
    QCOMPARE(view.grab().toImage(), before);
}

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
