// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperpreview.h"

#include "messageboxes.h"
#include "paperlayout.h"
#include "paperprinter.h"
#include "printingmessages.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

PaperPreview::PaperPreview(PaperPage &page, PaperSource paper, SettingsSource settings,
                           MessageBoxes &messages, PaperPrinter &printer)
    : m_page(page), m_paper(std::move(paper)), m_settings(std::move(settings)),
      m_messages(messages), m_printer(printer)
{
}

void PaperPreview::load()
{
    m_scale = DefaultPageScale;
    refresh();
}

void PaperPreview::refresh()
{
    tellUnusable(redraw(true, m_settings()));
}

bool PaperPreview::chooseScale(int percent)
{
    if (std::find(std::begin(PageScales), std::end(PageScales), percent) == std::end(PageScales))
        return false;
    m_scale = percent;
    return true;
}

void PaperPreview::print()
{
    const PrintSettings settings = m_settings();
    QList<UnusableSetting> unusable = redraw(false, settings);
    const CopiesReading copies = ReadCopies(settings.Copies);
    if (!copies.isNumber)
        unusable.append(UnusableSetting{u"打印份数"_s, u"1"_s});
    tellUnusable(unusable);
    if (copies.copies <= 0)
        return;
    if (!m_printer.isAvailable()) {
        m_messages.show(PrintingMessages::noPrinter());
        return;
    }
    if (!printCopies(copies.copies))
        m_messages.show(PrintingMessages::printFailed());
}

bool PaperPreview::exportPdf(const QString &path)
{
    tellUnusable(redraw(false, m_settings()));
    if (WritePaperPdf(m_page, path))
        return true;
    m_messages.show(PrintingMessages::pdfFailed(path));
    return false;
}

QList<UnusableSetting> PaperPreview::redraw(bool showGuides, const PrintSettings &settings)
{
    const PageSettingsReading reading = ReadPageSettings(settings);
    m_page.clear();
    DrawPaperPage(m_page, m_paper(), reading.settings, m_scale, showGuides);
    return reading.unusable;
}

void PaperPreview::tellUnusable(const QList<UnusableSetting> &unusable)
{
    if (!unusable.isEmpty())
        m_messages.show(PrintingMessages::unusableSettings(unusable));
}

bool PaperPreview::printCopies(int copies)
{
    // Each copy is a document of one sheet of its own.
    for (int copy = 1; copy <= copies; ++copy) {
        if (!m_printer.printPage(m_page))
            return false;
        if (!m_printer.endDocument())
            return false;
    }
    return true;
}
