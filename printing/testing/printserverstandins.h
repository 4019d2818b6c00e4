// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printerlookup.h"
#include "printserver.h"

#include <semaphore>
#include <thread>
#include <vector>

/// A print server that gives its queues only once the test opens it, as a server that hangs
/// until it is woken; the jobs sent to it get receipt.
class GatedPrintServer final : public PrintServer {
public:
    QList<PrintQueue> queues() override
    {
        m_gate.acquire();
        m_gate.release();
        return queuesToGive;
    }
    JobReceipt lastJob() override { return receipt; }
    /// Lets every waiting and later call through.
    void open() { m_gate.release(); }

    QList<PrintQueue> queuesToGive;
    JobReceipt receipt;

private:
    std::binary_semaphore m_gate{0};
};

/// Runs lookups on threads the test can wait for, so it never has to guess how long they take.
class ThreadsOfTheTest {
public:
    ~ThreadsOfTheTest() { join(); }
    PrinterLookup::Runner runner()
    {
        return [this](std::function<void()> job) { m_threads.emplace_back(std::move(job)); };
    }
    int count() const { return int(m_threads.size()); }
    void join()
    {
        for (std::thread &thread : m_threads) {
            if (thread.joinable())
                thread.join();
        }
    }

private:
    std::vector<std::thread> m_threads;
};
