// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

/// Connects to the desktop's session bus on a thread of its own, from construction on.
///
/// Qt's accessibility bridge connects to that bus when the first window is built, and waits
/// for it: a few milliseconds on a desktop, more where no bus runs and D-Bus looks for a way
/// to start one. Begun as soon as the application exists, the connection is made while the
/// first window is built, and the bridge finds it ready. Construct it after the application
/// object: a connection made before would be one the application does not know about.
class SessionBusConnection {
public:
    SessionBusConnection();
    ~SessionBusConnection();
    SessionBusConnection(const SessionBusConnection &) = delete;
    SessionBusConnection &operator=(const SessionBusConnection &) = delete;

    /// Waits until the attempt has ended; true when the bus answered.
    bool connected();

private:
    // Set by the thread, so it comes first: members are made in this order.
    bool m_connected = false;
    std::thread m_connecting;
};
