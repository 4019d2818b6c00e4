// SPDX-License-Identifier: GPL-3.0-or-later
#include "printerlookup.h"

#include <mutex>
#include <system_error>
#include <thread>

/// Where a lookup's thread leaves its answer: with the lookup while it lives, nowhere once it
/// is gone. The thread may outlive the lookup by minutes.
struct PrinterLookup::Mailbox {
    std::mutex mutex;
    PrinterLookup *owner = nullptr;
};

void PrinterLookup::RunOnNewThread(std::function<void()> job)
{
    try {
        std::thread(std::move(job)).detach();
    } catch (const std::system_error &) {
        // No thread to be had: the time limit gives the lookup up as unanswered.
    }
}

PrinterLookup::PrinterLookup(std::shared_ptr<PrintServer> server, Runner run, QObject *parent)
    : QObject(parent), m_server(std::move(server)), m_run(std::move(run)),
      m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->owner = this;
    m_timeLimit.setSingleShot(true);
    m_timeLimit.setInterval(TimeLimitMs);
    connect(&m_timeLimit, &QTimer::timeout, this, &PrinterLookup::timeLimitReached);
}

PrinterLookup::~PrinterLookup()
{
    const std::lock_guard lock(m_mailbox->mutex);
    m_mailbox->owner = nullptr;
}

void PrinterLookup::start()
{
    const quint64 serial = ++m_serial;
    m_running = true;
    m_timeLimit.start();
    m_run([server = m_server, mailbox = m_mailbox, serial] {
        const QList<PrintQueue> queues = server->queues();
        const std::lock_guard lock(mailbox->mutex);
        // Posted while the lock keeps the lookup alive; a lookup deleted before the answer
        // arrives takes the posted answer with it.
        if (PrinterLookup *owner = mailbox->owner) {
            QMetaObject::invokeMethod(
                owner, [owner, serial, queues] { owner->deliver(serial, queues); },
                Qt::QueuedConnection);
        }
    });
}

void PrinterLookup::deliver(quint64 serial, const QList<PrintQueue> &queues)
{
    // An answer to a lookup given up or started over comes too late to count.
    if (serial == m_serial && m_running)
        finish(QueueLookup{true, queues});
}

void PrinterLookup::timeLimitReached()
{
    if (m_running)
        finish(QueueLookup{false, {}});
}

void PrinterLookup::finish(const QueueLookup &lookup)
{
    m_running = false;
    m_timeLimit.stop();
    Q_EMIT finished(lookup);
}
