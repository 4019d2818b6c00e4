// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperprinter.h"

#include "filereplacement.h"
#include "paperdocument.h"
#include "paperlayout.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace {

QString documentName()
{
    return u"Lumaro "_s + PaperTitle();
}

void prepareForText(QPainter &painter)
{
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::Antialiasing);
}

} // namespace

PrinterChoice ChoosePrinter(const QString &defaultName, const QStringList &available)
{
    if (!defaultName.isEmpty() && available.contains(defaultName))
        return PrinterChoice{defaultName, true, true};
    if (available.isEmpty())
        return PrinterChoice{};
    return PrinterChoice{available.front(), true, false};
}

void PlacePageOnPrintableArea(QPrinter &printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::StandardMode);
    layout.setMargins(layout.minimumMargins());
    printer.setFullPage(false);
    printer.setPageLayout(layout);
}

DevicePaperPrinter::DevicePaperPrinter() = default;

DevicePaperPrinter::~DevicePaperPrinter()
{
    endDocument();
}

bool DevicePaperPrinter::printPage(const PaperPage &page)
{
    if (m_painter) {
        if (!m_printer->newPage())
            return false;
    } else if (!startDocument()) {
        return false;
    }
    RenderPaperPage(*m_painter, page);
    return true;
}

bool DevicePaperPrinter::startDocument()
{
    m_printer = makePrinter();
    if (!m_printer)
        return false;
    m_printer->setDocName(documentName());
    PlacePageOnPrintableArea(*m_printer);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        m_painter.reset();
        m_printer.reset();
        return false;
    }
    prepareForText(*m_painter);
    return true;
}

bool DevicePaperPrinter::endDocument()
{
    if (!m_painter)
        return false;
    const bool ended = m_painter->end();
    m_painter.reset();
    m_printer.reset();
    return ended;
}

SystemPaperPrinter::SystemPaperPrinter() = default;

SystemPaperPrinter::~SystemPaperPrinter() = default;

PrinterChoice SystemPaperPrinter::choice()
{
    return ChoosePrinter(QPrinterInfo::defaultPrinterName(), QPrinterInfo::availablePrinterNames());
}

std::unique_ptr<QPrinter> SystemPaperPrinter::makePrinter()
{
    const PrinterChoice chosen = choice();
    if (!chosen.found)
        return nullptr;
    const QPrinterInfo info = QPrinterInfo::printerInfo(chosen.name);
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QByteArray PaperPdf(const PaperDocument &document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(documentName());
        pdf.setCreator(u"Lumaro"_s);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (painter.begin(&pdf)) {
            prepareForText(painter);
            drawn = true;
            for (int i = 0; i < document.pageCount() && drawn; ++i) {
                drawn = i == 0 || pdf.newPage();
                if (drawn)
                    RenderPaperPage(painter, document.page(i));
            }
            drawn = painter.end() && drawn;
        }
    }
    return drawn ? bytes : QByteArray();
}

PdfOutcome WritePaperPdf(const PaperDocument &document, QSaveFile &file)
{
    // Drawn whole before the disk is touched, so that the file's every byte and its size can
    // be checked: a PDF writer says nothing of a disk that ran full under it.
    const QByteArray bytes = PaperPdf(document);
    if (bytes.isEmpty())
        return PdfOutcome{u"试卷没能排成PDF"_s};
    return PdfOutcome{ReplaceFileContents(file, bytes)};
}

PdfOutcome WritePaperPdf(const PaperDocument &document, const QString &path)
{
    QSaveFile file(path);
    return WritePaperPdf(document, file);
}
