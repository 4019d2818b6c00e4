// SPDX-License-Identifier: GPL-3.0-or-later
#include "programstyle.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

bool AnyPictureFormatLoaded()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

int DrawnPixels(const QIcon &icon)
{
    const QImage image = icon.pixmap(QSize(16, 16)).toImage();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
    return drawn;
}

} // namespace

class ProgramStyleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void aMenuBarLoadsNoPictureFormat();
    void theExtensionArrowsAreDrawn();
    void otherIconsAreTheDesktopStyles();
};

void ProgramStyleTest::initTestCase()
{
    QApplication::setStyle(new ProgramStyle);
}

void ProgramStyleTest::aMenuBarLoadsNoPictureFormat()
{
    QVERIFY(!AnyPictureFormatLoaded());
    QMainWindow window;
    window.menuBar()->addAction(u"退出"_s);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!AnyPictureFormatLoaded());
}

void ProgramStyleTest::theExtensionArrowsAreDrawn()
{
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon arrow = QApplication::style()->standardIcon(which);
        QVERIFY(!arrow.isNull());
        QVERIFY(DrawnPixels(arrow) > 6);
        QVERIFY(DrawnPixels(arrow) < 16 * 16 / 2);
    }
}

void ProgramStyleTest::otherIconsAreTheDesktopStyles()
{
    const QIcon warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QVERIFY(!warning.isNull());
}

QTEST_MAIN(ProgramStyleTest)
#include "programstyle_test.moc"
