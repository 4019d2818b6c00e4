// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowwatch.h"

#include <QCoreApplication>

#include <xcb/xproto.h>

DestroyedWindowWatch::DestroyedWindowWatch(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyedWindowWatch::~DestroyedWindowWatch()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool DestroyedWindowWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    // Only the server's own word counts: an event sent by another client has the top bit set,
    // and a window said to be destroyed that way still stands.
    if (event->response_type == XCB_DESTROY_NOTIFY) {
        const auto *destroyed = static_cast<const xcb_destroy_notify_event_t *>(message);
        Q_EMIT windowDestroyed(WId(destroyed->window));
    }
    // Qt goes on with its own handling of every event.
    return false;
}
