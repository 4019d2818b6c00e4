// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class PaperPage;
class QPainter;
class QPrinter;

/// Where printed test papers go. A document is started by its first page and ends with
/// endDocument(), which releases its sheets to the print queue.
class PaperPrinter {
public:
    virtual ~PaperPrinter() = default;
    /// Whether there is a printer to print on.
    virtual bool isAvailable() = 0;
    /// Prints the page as the next sheet of the current document (starting one when none is
    /// open), at its physical size, at the top-left of the sheet's printable area. False
    /// when the printer would not take it.
    virtual bool printPage(const PaperPage &page) = 0;
    /// Ends the current document. False when it could not be finished.
    virtual bool endDocument() = 0;
};

/// The system's default printer, with that printer's own paper and settings.
class SystemPaperPrinter final : public PaperPrinter {
public:
    SystemPaperPrinter();
    ~SystemPaperPrinter() override;

    bool isAvailable() override;
    bool printPage(const PaperPage &page) override;
    bool endDocument() override;

private:
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter; // active while a document is open
};

/// Writes the page as a one-page PDF file on A4 paper, drawn as it prints: at its physical
/// size from the sheet's top-left corner, with its text as text. False when the file could
/// not be written.
bool WritePaperPdf(const PaperPage &page, const QString &path);
