// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

/// Watches its window for the first paint, then hands the work to the event loop, so it
/// runs after the picture has reached the screen.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget &window, std::function<void()> work)
        : QObject(&window), m_work(std::move(work))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), std::move(m_work));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

void RunAfterFirstPaint(QWidget &window, std::function<void()> work)
{
    if (work)
        new FirstPaintWatch(window, std::move(work));
}
