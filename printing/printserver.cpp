// SPDX-License-Identifier: GPL-3.0-or-later
#include "printserver.h"

#include <QLibrary>

#include <cups/cups.h>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The CUPS calls the program makes. The library and the network and security libraries it
/// brings are loaded at the first question, not at start: most sessions never print, and the
/// printer dialogs load the same library (one copy, one per-thread answer) when they open.
struct CupsCalls {
    decltype(&cupsGetDests2) getDests = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;

    bool loaded() const
    {
        return getDests && freeDests && getOption && lastError && lastErrorString;
    }
};

template <typename Call> void Resolve(QLibrary &library, const char *name, Call &call)
{
    call = reinterpret_cast<Call>(library.resolve(name));
}

/// Loaded once; all null when the library is missing, which reads as no print server.
const CupsCalls &Cups()
{
    static const CupsCalls calls = [] {
        CupsCalls found;
        QLibrary library(u"cups"_s, 2);
        if (!library.load())
            return found;
        Resolve(library, "cupsGetDests2", found.getDests);
        Resolve(library, "cupsFreeDests", found.freeDests);
        Resolve(library, "cupsGetOption", found.getOption);
        Resolve(library, "cupsLastError", found.lastError);
        Resolve(library, "cupsLastErrorString", found.lastErrorString);
        return found;
    }();
    return calls;
}

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
        Cups().getOption("printer-is-accepting-jobs", dest.num_options, dest.options);
    return !accepting || qstrcmp(accepting, "false") != 0;
}

} // namespace

QList<PrintQueue> CupsPrintServer::queues()
{
    if (!Cups().loaded())
        return {};
    cups_dest_t *dests = nullptr;
    const int count = Cups().getDests(CUPS_HTTP_DEFAULT, &dests);
    QList<PrintQueue> found;
    for (int i = 0; i < count; ++i)
        found.append(
            PrintQueue{QueueName(dests[i]), dests[i].is_default != 0, AcceptsJobs(dests[i])});
    Cups().freeDests(count, dests);
    return found;
}

JobReceipt CupsPrintServer::lastJob()
{
    // Qt hands a printed document to CUPS on the thread that ends it and keeps the answer to
    // itself; CUPS keeps it for that thread until its next request.
    if (!Cups().loaded() || Cups().lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return JobReceipt{};
    return JobReceipt{false, QString::fromUtf8(Cups().lastErrorString())};
}
