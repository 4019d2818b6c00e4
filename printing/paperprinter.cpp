// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperprinter.h"

#include "paperlayout.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

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

SystemPaperPrinter::SystemPaperPrinter() = default;

SystemPaperPrinter::~SystemPaperPrinter()
{
    endDocument();
}

bool SystemPaperPrinter::isAvailable()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool SystemPaperPrinter::printPage(const PaperPage &page)
{
    if (m_painter) {
        if (!m_printer->newPage())
            return false;
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return false;
        m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        m_printer->setDocName(documentName());
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_printer.get())) {
            m_painter.reset();
            m_printer.reset();
            return false;
        }
        prepareForText(*m_painter);
    }
    RenderPaperPage(*m_painter, page);
    return true;
}

bool SystemPaperPrinter::endDocument()
{
    if (!m_painter)
        return false;
    const bool ended = m_painter->end();
    m_painter.reset();
    m_printer.reset();
    return ended;
}

bool WritePaperPdf(const PaperPage &page, const QString &path)
{
    bool written = false;
    {
        QPdfWriter pdf(path);
        pdf.setTitle(documentName());
        pdf.setCreator(u"Lumaro"_s);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (painter.begin(&pdf)) {
            prepareForText(painter);
            RenderPaperPage(painter, page);
            written = painter.end();
        }
    }
    return written && QFile::exists(path);
}
