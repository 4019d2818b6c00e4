// SPDX-License-Identifier: GPL-3.0-or-later
#include "actionlabel.h"
#include "backdrop.h"
#include "controls.h"
#include "designscreen.h"
#include "fonts.h"
#include "pictures.h"
#include "surfaceview.h"
#include "textsurface.h"
#include "units.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QPainter>
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
    void aPictureLaidOnItsBackColourComesOpaque_data();
    void aPictureLaidOnItsBackColourComesOpaque();
    void cursorsFallBackToAShape();
    void aSurfaceViewShowsWhatWasPrinted();
    void aPictureAreaCarriesItsEdgesToTheBorder();
    void aPictureDrawnAheadIsTheOneThePaintWants();
    void aStageScalesPlacesAndFonts();
    void aFocusableCaptionDrawsAsAPlainOne_data();
    void aFocusableCaptionDrawsAsAPlainOne();
    void aLitCaptionStaysReadable_data();
    void aLitCaptionStaysReadable();
};

namespace {

// Sky and grass reach past the drawing's frame of 40 × 30; a red mark stands at its left edge.
QString WriteScene(const QTemporaryDir &folder)
{
    const QString path = folder.filePath(u"scene.svg"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="30" viewBox="0 0 40 30">
                  <rect x="-100" y="-100" width="240" height="115" fill="#0000ff"/>
                  <rect x="-100" y="15" width="240" height="115" fill="#00ff00"/>
                  <rect x="0" y="0" width="2" height="30" fill="#ff0000"/></svg>)");
    return path;
}

// A half see-through disc on nothing, as a drawing and as a photograph with alpha.
QString WriteSeeThroughPicture(const QTemporaryDir &folder, bool drawing)
{
    const QString svg = folder.filePath(u"disc.svg"_s);
    QFile file(svg);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="30">
                  <circle cx="20" cy="15" r="12" fill="#ff0000" fill-opacity="0.5"/></svg>)");
    file.close();
    if (drawing)
        return svg;
    const QString png = folder.filePath(u"disc.png"_s);
    return Pictures::renderImage(svg, QSize(40, 30)).save(png) ? png : QString();
}

QImage BackdropShot(const QString &path, const QSize &size, const QRect &area, bool ahead)
{
    Backdrop backdrop;
    backdrop.resize(size);
    backdrop.setBackColor(Qt::white);
    backdrop.setPicture(path);
    backdrop.setPictureArea(area);
    if (ahead)
        backdrop.renderAhead();
    return backdrop.grab().toImage();
}

} // namespace

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

void ControlsTest::aPictureLaidOnItsBackColourComesOpaque_data()
{
    QTest::addColumn<bool>("drawing");
    QTest::newRow("drawing") << true;
    QTest::newRow("photograph") << false;
}

void ControlsTest::aPictureLaidOnItsBackColourComesOpaque()
{
    QFETCH(bool, drawing);
    QTemporaryDir folder;
    const QString path = WriteSeeThroughPicture(folder, drawing);
    const QColor back(0, 0, 255);
    const QImage laid = Pictures::renderImage(path, QSize(40, 30), 1.0, back);
    QVERIFY(!laid.hasAlphaChannel());

    // The same as the see-through picture painted over the colour.
    QImage painted(laid.size(), QImage::Format_RGB32);
    painted.fill(back);
    QPainter painter(&painted);
    painter.drawImage(0, 0, Pictures::renderImage(path, QSize(40, 30)));
    painter.end();
    QCOMPARE(laid.pixelColor(0, 0), back);
    for (const QPoint at : {QPoint(20, 15), QPoint(12, 15), QPoint(31, 15)}) {
        const QColor got = laid.pixelColor(at), want = painted.pixelColor(at);
        QVERIFY2(std::abs(got.red() - want.red()) <= 1 && std::abs(got.blue() - want.blue()) <= 1,
                 qPrintable(u"%1 against %2"_s.arg(got.name(), want.name())));
    }
    QVERIFY(laid.pixelColor(20, 15).red() > 100 && laid.pixelColor(20, 15).blue() > 100);
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

void ControlsTest::aPictureAreaCarriesItsEdgesToTheBorder()
{
    QTemporaryDir folder;
    const QString path = WriteScene(folder);
    Backdrop backdrop;
    backdrop.resize(100, 30);
    backdrop.setBackColor(Qt::white);
    backdrop.setPicture(path);
    backdrop.setPictureArea(QRect(30, 0, 40, 30));
    const QImage shot = backdrop.grab().toImage();
    // No bare band beside the picture: the sky and the grass carry on to both edges, and the
    // picture itself stands in its area.
    for (int x : {0, 15, 50, 85, 99}) {
        QCOMPARE(shot.pixelColor(x, 2), QColor(0, 0, 255));
        QCOMPARE(shot.pixelColor(x, 27), QColor(0, 255, 0));
    }
    QCOMPARE(shot.pixelColor(30, 10), QColor(255, 0, 0));
}

// The picture a window draws on another thread while it is built is the one its first paint
// shows; drawn for a size that no longer holds, it is drawn again.
void ControlsTest::aPictureDrawnAheadIsTheOneThePaintWants()
{
    QTemporaryDir folder;
    const QString path = WriteScene(folder);
    const QRect area(30, 0, 40, 30);
    QCOMPARE(BackdropShot(path, QSize(100, 30), area, true),
             BackdropShot(path, QSize(100, 30), area, false));
    QCOMPARE(BackdropShot(path, QSize(40, 30), QRect(), true),
             BackdropShot(path, QSize(40, 30), QRect(), false));

    Backdrop resized;
    resized.resize(100, 30);
    resized.setPicture(path);
    resized.setPictureArea(area);
    resized.renderAhead();
    resized.resize(160, 60);
    resized.setPictureArea(QRect(40, 0, 80, 60));
    QCOMPARE(resized.grab().toImage(),
             BackdropShot(path, QSize(160, 60), QRect(40, 0, 80, 60), false));
}

void ControlsTest::aStageScalesPlacesAndFonts()
{
    QWidget window;
    DesignStage stage(window);
    auto *label = new CaptionLabel(u"Label1"_s, &stage);
    label->setFont(Fonts::designFont(u"宋体"_s, 12));
    window.resize(2048, 1600);
    stage.fitInto(window.size());
    QCOMPARE(stage.scale(), 2.0);
    // Centred below the design's height, the width filled.
    QCOMPARE(stage.geometry(), QRect(0, 32, 2048, 1536));
    QCOMPARE(label->font().pointSizeF(), 24.0);
    QCOMPARE(TwipScale::of(*label).toPixels(1500), 200);
    // A size the window gives later is a design size too, and a new scale keeps it.
    label->setFont(Fonts::designFont(u"宋体"_s, 15));
    QCOMPARE(label->font().pointSizeF(), 30.0);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QCOMPARE(label->font().pointSizeF(), 30.0);
    window.resize(512, 384);
    stage.fitInto(window.size());
    QCOMPARE(stage.scale(), 0.5);
    QCOMPARE(label->font().pointSizeF(), 7.5);
    QVERIFY(label->font().bold());
}

void ControlsTest::aFocusableCaptionDrawsAsAPlainOne_data()
{
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("caption");
    QTest::newRow("choice") << u"隶书"_s << 15.75 << u"加减应用题"_s;
    QTest::newRow("mode") << u"隶书"_s << 21.75 << u"例题"_s;
    QTest::newRow("formulas") << u"楷体_GB2312"_s << 21.75 << u"x+a=b     a+b+c=?"_s;
    QTest::newRow("small") << u"宋体"_s << 9.0 << u"（供小学四年级至初中学生使用）"_s;
}

// A caption that takes the focus is laid out as a text document only once it has the focus,
// and draws the same before and after.
void ControlsTest::aFocusableCaptionDrawsAsAPlainOne()
{
    QFETCH(QString, fontName);
    QFETCH(double, points);
    QFETCH(QString, caption);
    QImage drawn[2];
    for (const bool focusable : {false, true}) {
        QWidget window;
        window.resize(400, 100);
        CaptionLabel label(u"Label"_s, &window);
        label.setFont(Fonts::designFont(fontName, points, true));
        label.setFocusPolicy(focusable ? Qt::TabFocus : Qt::NoFocus);
        label.setCaption(caption);
        label.setGeometry(10, 10, 380, 80);
        window.ensurePolished();
        QVERIFY(label.findChildren<QObject *>().isEmpty());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (focusable) {
            label.setFocus();
            QTRY_VERIFY(label.hasFocus());
            QVERIFY(!label.findChildren<QObject *>().isEmpty());
        }
        drawn[focusable] = label.grab().toImage();
    }
    QCOMPARE(drawn[1], drawn[0]);
}

void ControlsTest::aLitCaptionStaysReadable_data()
{
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("seeThrough");
    for (bool seeThrough : {false, true}) {
        for (bool hovered : {false, true}) {
            for (bool focused : {false, true}) {
                QTest::addRow("%s%s%s", hovered ? "hovered" : "plain", focused ? ", focused" : "",
                              seeThrough ? ", see-through" : "")
                    << hovered << focused << seeThrough;
            }
        }
    }
}

void ControlsTest::aLitCaptionStaysReadable()
{
    QFETCH(bool, hovered);
    QFETCH(bool, focused);
    QFETCH(bool, seeThrough);
    QWidget window;
    QPalette white = window.palette();
    white.setColor(QPalette::Window, Qt::white);
    window.setPalette(white);
    auto *label = new ActionLabel(u"Label2"_s, &window);
    auto *elsewhere = new ActionLabel(u"Label3"_s, &window);
    label->setFont(Fonts::designFont(u"隶书"_s, 36));
    label->setCaption(u"基本思想"_s);
    if (!seeThrough)
        label->setBackColor(Qt::white);
    label->setTextColor(hovered ? QColor(255, 255, 0) : QColor(255, 0, 0));
    label->adjustSize();
    window.show();
    QApplication::setActiveWindow(&window);
    (focused ? label : elsewhere)->setFocus();
    QCOMPARE(label->hasFocus(), focused);
    const QImage shot = label->grab().toImage();
    // The caption against what it stands on, the colour most of the label shows.
    QHash<QRgb, int> counts;
    for (int y = 4; y < shot.height() - 4; ++y) {
        for (int x = 4; x < shot.width() - 4; ++x)
            ++counts[shot.pixel(x, y)];
    }
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(ground))
            ground = it.key();
    }
    QVERIFY2(counts.value(label->textColor().rgb()) > 0, "the caption is drawn in its colour");
    const double contrast = ContrastRatio(label->textColor(), QColor(ground));
    QVERIFY2(
        contrast >= LeastCaptionContrast,
        qPrintable(
            u"%1 on %2: %3"_s.arg(label->textColor().name(), QColor(ground).name()).arg(contrast)));
}

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
