// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paperpage.h"
#include "paperprinter.h"

#include <QList>
#include <QSizeF>

#include <vector>

/// A sheet as it was printed: the page's size, the text on it and the guides drawn.
struct PrintedSheet {
    QSizeF size;
    std::vector<TextSurface::Run> runs;
    QList<GuideLine> shownGuides;

    /// The printed characters joined, in the order they were printed.
    QString text() const;
    /// Whether two sheets carry the same text at the same places in the same fonts.
    bool sameContent(const PrintedSheet &other) const;
};

/// A printer for tests: records every document with its sheets, or refuses to print. It is
/// found at once, or when the test says so.
class RecordingPrinter final : public PaperPrinter {
public:
    PrinterChoice choice() const
    {
        return available ? PrinterChoice{name, true, isDefault, acceptingJobs} : PrinterChoice{};
    }
    void findPrinter(PrinterAnswer answer) override;
    void forgetAnswer() override { waitingAnswer = nullptr; }
    bool printPage(const PaperPage &page) override;
    bool endDocument() override;

    bool available = true;
    /// Whether the print service answers at all.
    bool answers = true;
    /// Whether findPrinter() leaves its answer for giveAnswer().
    bool answersLater = false;
    /// Gives the answer findPrinter() left; false when none waits.
    bool giveAnswer();
    /// Whether its queue takes jobs.
    bool acceptingJobs = true;
    /// The documents it takes before it turns the rest away; -1 takes them all.
    int documentsTaken = -1;
    /// Whether the printer is the system's default, or only the first there is.
    bool isDefault = true;
    QString name = QStringLiteral("教室打印机");
    /// Refuse the n-th sheet (counted from 1 over the whole run); 0 never refuses.
    int refuseSheet = 0;

    int lookups = 0;
    PrinterAnswer waitingAnswer;
    /// The ended documents the printer took, in order.
    QList<QList<PrintedSheet>> documents;
    /// The sheets of the document still open.
    QList<PrintedSheet> openDocument;
    int sheetsAsked = 0;
};
