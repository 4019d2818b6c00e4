// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printerlookup.h"
#include "printserver.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class PaperDocument;
class PaperPage;
class QPainter;
class QPrinter;
class QSaveFile;

/// The printer a document goes to.
struct PrinterChoice {
    QString name;
    bool found = false;        ///< false when there is no printer at all
    bool isDefault = false;    ///< false when no default is set and the first printer stands in
    bool acceptingJobs = true; ///< false while its queue turns every job away
    bool operator==(const PrinterChoice &) const = default;
};

/// The default printer when one is set and still there, otherwise the first of the printers
/// available.
PrinterChoice ChoosePrinter(const QString &defaultName, const QStringList &available);
/// The same choice among the queues of a print server.
PrinterChoice ChoosePrinter(const QList<PrintQueue> &queues);

/// What finding the printer brought back.
struct PrinterFound {
    bool answered = true; ///< false when the print service did not answer in time
    PrinterChoice choice;
};
/// Takes what finding the printer brought back.
using PrinterAnswer = std::function<void(const PrinterFound &found)>;

/// Where printed test papers go. A document is started by its first page and ends with
/// endDocument(), which releases its sheets to the print queue.
class PaperPrinter {
public:
    virtual ~PaperPrinter() = default;
    /// Finds the printer the next document would go to, and hands it to answer on this thread:
    /// at once, or a moment later when the print service must be asked, but within a few
    /// seconds even when the service does not answer. Asked again before answering, only
    /// the later answer is given.
    virtual void findPrinter(PrinterAnswer answer) = 0;
    /// The answer still to come is not wanted any more: it is not given.
    virtual void forgetAnswer() {}
    /// Prints the page as the next sheet of the current document (starting one when none is
    /// open), at its physical size, at the top-left of the sheet's printable area. False
    /// when the printer would not take it.
    virtual bool printPage(const PaperPage &page) = 0;
    /// Ends the current document and hands it to the printer. False when it could not be
    /// finished, or the printer did not take it.
    virtual bool endDocument() = 0;
};

/// Gives the printer a page layout of its own paper and orientation whose margins are just
/// the edges it cannot print on, so that the painter's origin is the top-left of the sheet's
/// printable area: left alone, a printer keeps margins of its own choosing.
void PlacePageOnPrintableArea(QPrinter &printer);

/// Prints on a QPrinter made afresh for each document, its page placed with
/// PlacePageOnPrintableArea().
class DevicePaperPrinter : public PaperPrinter {
public:
    DevicePaperPrinter();
    ~DevicePaperPrinter() override;

    bool printPage(const PaperPage &page) override;
    bool endDocument() override;

protected:
    /// The printer for the next document; null when there is none.
    virtual std::unique_ptr<QPrinter> makePrinter() = 0;
    /// Whether the printer took the document just ended.
    virtual bool documentTaken() { return true; }

private:
    bool startDocument();

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter; // active while a document is open
};

/// The system's default printer, or its first printer when no default is set, with that
/// printer's own paper and settings. The printers are looked up off the window's thread,
/// and a print server that does not answer within PrinterLookup's time limit is given up.
class SystemPaperPrinter final : public DevicePaperPrinter {
public:
    /// Prints through server, looking its printers up with run.
    explicit SystemPaperPrinter(
        std::shared_ptr<PrintServer> server = std::make_shared<CupsPrintServer>(),
        PrinterLookup::Runner run = &PrinterLookup::RunOnNewThread);
    ~SystemPaperPrinter() override;

    void findPrinter(PrinterAnswer answer) override;
    void forgetAnswer() override;
    PrinterLookup &lookup() { return m_lookup; }

protected:
    std::unique_ptr<QPrinter> makePrinter() override;
    bool documentTaken() override;

private:
    void lookedUp(const QueueLookup &lookup);

    std::shared_ptr<PrintServer> m_server;
    PrinterLookup m_lookup;
    PrinterAnswer m_answer;
    PrinterChoice m_chosen; // by the latest lookup
};

/// How writing a PDF file went: why it was not written, empty when it was.
struct PdfOutcome {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

/// The document as the bytes of a PDF file of A4 pages, drawn as they print: each at its
/// physical size from the sheet's top-left corner, with its text as text. Empty when it could
/// not be drawn.
QByteArray PaperPdf(const PaperDocument &document);

/// Writes PaperPdf(document) in the place of the file that file (not yet open) names, which
/// an earlier file keeps when anything fails (see ReplaceFileContents).
PdfOutcome WritePaperPdf(const PaperDocument &document, QSaveFile &file);
/// As above, into the file at path.
PdfOutcome WritePaperPdf(const PaperDocument &document, const QString &path);
