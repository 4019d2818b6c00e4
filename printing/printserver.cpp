// SPDX-License-Identifier: GPL-3.0-or-later
#include "printserver.h"

#include <cups/cups.h>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The name Qt's printer list gives a destination: an instance follows its queue after "/".
QString QueueName(const cups_dest_t &dest)
{
    QString name = QString::fromLocal8Bit(dest.name);
    if (dest.instance)
        name += u'/' + QString::fromLocal8Bit(dest.instance);
    return name;
}

bool AcceptsJobs(const cups_dest_t &dest)
{
    // A printer found on the network but not yet set up says nothing, and takes jobs.
    const char *accepting =
        cupsGetOption("printer-is-accepting-jobs", dest.num_options, dest.options);
    return !accepting || qstrcmp(accepting, "false") != 0;
}

} // namespace

QList<PrintQueue> CupsPrintServer::queues()
{
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QList<PrintQueue> found;
    for (int i = 0; i < count; ++i)
        found.append(
            PrintQueue{QueueName(dests[i]), dests[i].is_default != 0, AcceptsJobs(dests[i])});
    cupsFreeDests(count, dests);
    return found;
}

JobReceipt CupsPrintServer::lastJob()
{
    // Qt hands a printed document to CUPS on the thread that ends it and keeps the answer to
    // itself; CUPS keeps it for that thread until its next request.
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return JobReceipt{};
    return JobReceipt{false, QString::fromUtf8(cupsLastErrorString())};
}
