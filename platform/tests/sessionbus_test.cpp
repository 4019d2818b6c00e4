// SPDX-License-Identifier: GPL-3.0-or-later
// The session bus connected on a thread while the first window is built. Each case runs in a
// process of its own: a process connects to its session bus once.
#include "sessionbus.h"

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class SessionBusTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWindowFindsTheBusConnected();
    void noBusIsNoConnectionAndNoWait();

private:
    QTemporaryDir m_folder;
    QProcess m_bus;
};

void SessionBusTest::theWindowFindsTheBusConnected()
{
    const QString address = u"unix:path="_s + m_folder.filePath(u"bus"_s);
    m_bus.start(u"dbus-daemon"_s,
                {u"--session"_s, u"--nofork"_s, u"--print-address"_s, u"--address="_s + address});
    QVERIFY2(m_bus.waitForReadyRead(10000), "dbus-daemon did not start");
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());

    SessionBusConnection connecting;
    QVERIFY(connecting.connected());
    // What the accessibility bridge asks for on the main thread is the same connection.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(bus.isConnected());
    QVERIFY(!bus.baseService().isEmpty());
    m_bus.kill();
    m_bus.waitForFinished();
}

void SessionBusTest::noBusIsNoConnectionAndNoWait()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            (u"unix:path="_s + m_folder.filePath(u"nobody-listens"_s)).toUtf8());
    SessionBusConnection connecting;
    QVERIFY(!connecting.connected());
    QVERIFY(!QDBusConnection::sessionBus().isConnected());
}

QTEST_GUILESS_MAIN(SessionBusTest)
#include "sessionbus_test.moc"
