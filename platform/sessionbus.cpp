// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessionbus.h"

#include <QDBusConnection>

SessionBusConnection::SessionBusConnection()
    : m_connecting([this] { m_connected = QDBusConnection::sessionBus().isConnected(); })
{
}

SessionBusConnection::~SessionBusConnection()
{
    connected();
}

bool SessionBusConnection::connected()
{
    if (m_connecting.joinable())
        m_connecting.join();
    return m_connected;
}
