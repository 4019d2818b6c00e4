// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

/// A print queue as the print server describes it.
struct PrintQueue {
    QString name;
    bool isDefault = false;
    bool acceptingJobs = true; ///< false while the queue turns every job away
    bool operator==(const PrintQueue &) const = default;
};

/// What the print server answered to a document sent to it.
struct JobReceipt {
    bool accepted = true;
    QString reason; ///< the server's words when it refused
};

/// The system's print server. Its calls wait for the server's answer, which takes minutes
/// when the server hangs: ask it off the window's thread (see PrinterLookup).
class PrintServer {
public:
    virtual ~PrintServer() = default;
    /// The queues there are; none when there is no server.
    virtual QList<PrintQueue> queues() = 0;
    /// What the server answered to the last document sent to it from the calling thread.
    virtual JobReceipt lastJob() = 0;
};

/// The CUPS server the printer dialogs of the desktop use.
class CupsPrintServer final : public PrintServer {
public:
    QList<PrintQueue> queues() override;
    JobReceipt lastJob() override;
};
