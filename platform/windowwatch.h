// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QtGui/qwindowdefs.h>

/// Tells when a window of this program is destroyed by someone else: another X client
/// (xdotool windowclose, a kiosk tool) or a compositor that crashed. Qt does not notice: the
/// widget stays visible as far as it knows, with nothing on the screen.
class DestroyedWindowWatch final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    /// Watches the application's native events from now on.
    explicit DestroyedWindowWatch(QObject *parent = nullptr);
    ~DestroyedWindowWatch() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

Q_SIGNALS:
    /// The native window was destroyed. Connect queued: it is told from inside the windowing
    /// system's event handling.
    void windowDestroyed(WId window);
};
