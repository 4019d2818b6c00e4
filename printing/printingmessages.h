// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messageboxes.h"
#include "printsettings.h"

/// What printing tells the user when something stands in its way.
namespace PrintingMessages {

/// Some settings held no usable number; says which, and what was used instead.
Message unusableSettings(const QList<UnusableSetting> &unusable);
/// There is no printer, so nothing was printed.
Message noPrinter();
/// Printers exist but none is the default: the document goes to the one named.
Message noDefaultPrinter(const QString &printer);
/// More copies were asked for than can be printed at once; MaxCopies are printed.
Message copiesCapped();
/// The copies setting asked for none, so nothing was printed.
Message nothingPrinted();
/// Part of the paper (or of the key) found no place on the pages, even on further ones.
Message notAllPlaced(const QString &what);
/// The answer key was asked for before a paper was composed.
Message noPaperForKey();
/// The answer key is asked for before the paper is handed in.
Message keyBeforeHandIn();
/// The printer took only taken of the copies asked for.
Message printFailed(int taken, int asked);
/// The print service did not answer in time, so nothing was printed.
Message printServiceSilent();
/// The PDF file could not be written, for the reason given; an earlier file is as it was.
Message pdfFailed(const QString &path, const QString &reason);

} // namespace PrintingMessages
