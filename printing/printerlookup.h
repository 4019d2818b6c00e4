// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printserver.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

/// What a printer lookup brought back.
struct QueueLookup {
    bool answered = false; ///< false when the print server gave no answer in time
    QList<PrintQueue> queues;
};

/// Asks the print server for its queues on a thread of its own, so that a server that does
/// not answer never holds the window. After TimeLimitMs the lookup is given up and answered
/// as unanswered; the thread is left to wait for the server alone, and what it brings back
/// later is dropped.
class PrinterLookup final : public QObject {
    Q_OBJECT
public:
    static constexpr int TimeLimitMs = 4000;

    /// Runs a job somewhere off the calling thread.
    using Runner = std::function<void(std::function<void()> job)>;
    /// A thread of its own for each job, never waited for.
    static void RunOnNewThread(std::function<void()> job);

    explicit PrinterLookup(std::shared_ptr<PrintServer> server, Runner run = &RunOnNewThread,
                           QObject *parent = nullptr);
    ~PrinterLookup() override;

    /// Starts a lookup; finished() follows once, on this thread, within the time limit. A
    /// lookup still running is started over.
    void start();
    bool isRunning() const { return m_running; }
    /// The time limit's tick: gives the running lookup up.
    void timeLimitReached();

Q_SIGNALS:
    void finished(const QueueLookup &lookup);

private:
    struct Mailbox;
    void deliver(quint64 serial, const QList<PrintQueue> &queues);
    void finish(const QueueLookup &lookup);

    std::shared_ptr<PrintServer> m_server;
    Runner m_run;
    std::shared_ptr<Mailbox> m_mailbox;
    QTimer m_timeLimit;
    quint64 m_serial = 0;
    bool m_running = false;
};
