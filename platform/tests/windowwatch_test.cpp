// SPDX-License-Identifier: GPL-3.0-or-later
// The watch on native windows: only the X server's word that a window was destroyed counts.
#include "windowwatch.h"

#include <QSignalSpy>
#include <QTest>

#include <xcb/xproto.h>

using namespace Qt::Literals::StringLiterals;

class WindowWatchTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void onlyTheServersDestroyNoticeCounts_data();
    void onlyTheServersDestroyNoticeCounts();
};

void WindowWatchTest::onlyTheServersDestroyNoticeCounts_data()
{
    QTest::addColumn<QByteArray>("eventType");
    QTest::addColumn<int>("responseType");
    QTest::addColumn<bool>("told");
    QTest::newRow("destroyed") << "xcb_generic_event_t"_ba << int(XCB_DESTROY_NOTIFY) << true;
    QTest::newRow("sent by another client")
        << "xcb_generic_event_t"_ba << int(XCB_DESTROY_NOTIFY | 0x80) << false;
    QTest::newRow("only unmapped") << "xcb_generic_event_t"_ba << int(XCB_UNMAP_NOTIFY) << false;
    QTest::newRow("another system") << "windows_generic_MSG"_ba << int(XCB_DESTROY_NOTIFY) << false;
}

void WindowWatchTest::onlyTheServersDestroyNoticeCounts()
{
    QFETCH(QByteArray, eventType);
    QFETCH(int, responseType);
    QFETCH(bool, told);
    DestroyedWindowWatch watch;
    QSignalSpy destroyed(&watch, &DestroyedWindowWatch::windowDestroyed);
    xcb_destroy_notify_event_t event{};
    event.response_type = uint8_t(responseType);
    event.event = 0x400001;
    event.window = 0x400007;
    QVERIFY(!watch.nativeEventFilter(eventType, &event, nullptr));
    QCOMPARE(destroyed.count(), told ? 1 : 0);
    if (told)
        QCOMPARE(destroyed.first().first().value<WId>(), WId(0x400007));
}

QTEST_GUILESS_MAIN(WindowWatchTest)
#include "windowwatch_test.moc"
