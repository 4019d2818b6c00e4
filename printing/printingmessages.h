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
/// The printer did not take the paper.
Message printFailed();
/// The PDF file could not be written.
Message pdfFailed(const QString &path);

} // namespace PrintingMessages
