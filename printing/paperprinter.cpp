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

#include <utility>

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

PrinterChoice ChoosePrinter(const QList<PrintQueue> &queues)
{
    QString defaultName;
    QStringList names;
    for (const PrintQueue &queue : queues) {
        names.append(queue.name);
        if (queue.isDefault)
            defaultName = queue.name;
    }
    PrinterChoice chosen = ChoosePrinter(defaultName, names);
    if (chosen.found)
        chosen.acceptingJobs = queues[names.indexOf(chosen.name)].acceptingJobs;
    return chosen;
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
    const bool ended = m_painter->end() && documentTaken();
    m_painter.reset();
    m_printer.reset();
    return ended;
}

SystemPaperPrinter::SystemPaperPrinter(std::shared_ptr<PrintServer> server,
                                       PrinterLookup::Runner run)
    : m_server(server), m_lookup(std::move(server), std::move(run))
{
    QObject::connect(&m_lookup, &PrinterLookup::finished, &m_lookup,
                     [this](const QueueLookup &lookup) { lookedUp(lookup); });
}

SystemPaperPrinter::~SystemPaperPrinter() = default;

void SystemPaperPrinter::findPrinter(PrinterAnswer answer)
{
    m_answer = std::move(answer);
    m_lookup.start();
}

void SystemPaperPrinter::forgetAnswer()
{
    m_answer = nullptr;
}

void SystemPaperPrinter::lookedUp(const QueueLookup &lookup)
{
    m_chosen = lookup.answered ? ChoosePrinter(lookup.queues) : PrinterChoice{};
    // Taken out first: the answer may ask for the next lookup.
    const PrinterAnswer answer = std::exchange(m_answer, nullptr);
    if (answer)
        answer(PrinterFound{lookup.answered, m_chosen});
}

std::unique_ptr<QPrinter> SystemPaperPrinter::makePrinter()
{
    if (!m_chosen.found)
        return nullptr;
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_chosen.name);
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool SystemPaperPrinter::documentTaken()
{
    return m_server->lastJob().accepted;
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
