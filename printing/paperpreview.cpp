// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperpreview.h"

#include "messageboxes.h"
#include "paperdocument.h"
#include "paperlayout.h"
#include "paperprinter.h"
#include "printingmessages.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

PaperPreview::PaperPreview(PaperDocument &pages, PaperSource paper, SettingsSource settings,
                           MessageBoxes &messages, PaperPrinter &printer, AnswerKeySource answerKey)
    : m_pages(pages), m_paper(std::move(paper)), m_settings(std::move(settings)),
      m_messages(messages), m_printer(printer), m_answerKey(std::move(answerKey))
{
}

PaperPreview::~PaperPreview()
{
    if (m_waitingForPrinter)
        m_printer.forgetAnswer();
}

void PaperPreview::load()
{
    m_scale = DefaultPageScale;
    refresh();
}

void PaperPreview::refresh()
{
    tell(drawPaper(true, m_settings()));
}

bool PaperPreview::showAnswerKey()
{
    const std::optional<QList<AnswerKeyEntry>> key = answerKey();
    if (!key)
        return false;
    tell(drawKey(*key, true));
    return true;
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
    Drawing drawing = drawPaper(false, settings);
    const CopiesReading copies = ReadCopies(settings.copies);
    if (!copies.isNumber)
        drawing.unusable.append(UnusableSetting{u"打印份数"_s, u"1"_s});
    tell(drawing);
    if (copies.copies <= 0) {
        m_messages.show(PrintingMessages::nothingPrinted());
        return;
    }
    sendToPrinter(copies.copies, copies.capped, [this, settings] { drawPaper(false, settings); });
}

bool PaperPreview::exportPdf(const QString &path)
{
    tell(drawPaper(false, m_settings()));
    return writePdf(path);
}

bool PaperPreview::checkAnswerKey()
{
    return answerKey().has_value();
}

bool PaperPreview::printAnswerKey()
{
    const std::optional<QList<AnswerKeyEntry>> key = answerKey();
    if (!key)
        return false;
    tell(drawKey(*key, false));
    // The teacher needs one key, whatever number of papers the class needs.
    sendToPrinter(1, false, [this, key = *key] { drawKey(key, false); });
    return true;
}

bool PaperPreview::exportAnswerKeyPdf(const QString &path)
{
    const std::optional<QList<AnswerKeyEntry>> key = answerKey();
    if (!key)
        return false;
    tell(drawKey(*key, false));
    return writePdf(path);
}

PaperPreview::Drawing PaperPreview::drawPaper(bool showGuides, const PrintSettings &settings)
{
    const PageSettingsReading reading = ReadPageSettings(settings);
    m_pages.clear();
    ++m_drawings;
    m_shown = Shown::Paper;
    const bool complete = DrawPaperPage(m_pages, m_paper(), reading.settings, m_scale, showGuides);
    return Drawing{reading.unusable, complete};
}

PaperPreview::Drawing PaperPreview::drawKey(const QList<AnswerKeyEntry> &key, bool showGuides)
{
    const PageSettingsReading reading = ReadPageSettings(m_settings());
    m_pages.clear();
    ++m_drawings;
    m_shown = Shown::AnswerKey;
    const bool complete = DrawAnswerKey(m_pages, key, reading.settings, m_scale, showGuides);
    return Drawing{reading.unusable, complete};
}

std::optional<QList<AnswerKeyEntry>> PaperPreview::answerKey()
{
    const std::optional<PaperForKey> paper = m_answerKey ? m_answerKey() : std::nullopt;
    if (!paper || paper->problems.isEmpty()) {
        m_messages.show(PrintingMessages::noPaperForKey());
        return std::nullopt;
    }
    if (!paper->handedIn) {
        m_messages.show(PrintingMessages::keyBeforeHandIn());
        return std::nullopt;
    }
    return AnswerKeyOf(paper->problems);
}

void PaperPreview::tell(const Drawing &drawing)
{
    if (!drawing.unusable.isEmpty())
        m_messages.show(PrintingMessages::unusableSettings(drawing.unusable));
    if (!drawing.complete) {
        m_messages.show(
            PrintingMessages::notAllPlaced(m_shown == Shown::Paper ? u"试卷"_s : u"答案"_s));
    }
}

void PaperPreview::sendToPrinter(int copies, bool capped, std::function<void()> redraw)
{
    // A second "打印" while the printer is still sought would print twice.
    if (m_waitingForPrinter)
        return;
    m_waitingForPrinter = true;
    const int drawn = m_drawings;
    m_printer.findPrinter([=, this](const PrinterFound &found) {
        m_waitingForPrinter = false;
        // The preview opened again while waiting shows the pages drawn for the screen.
        if (m_drawings != drawn)
            redraw();
        printOn(found, copies, capped);
    });
}

void PaperPreview::printOn(const PrinterFound &found, int copies, bool capped)
{
    if (!found.answered) {
        m_messages.show(PrintingMessages::printServiceSilent());
        return;
    }
    const PrinterChoice &printer = found.choice;
    if (!printer.found) {
        m_messages.show(PrintingMessages::noPrinter());
        return;
    }
    if (capped)
        m_messages.show(PrintingMessages::copiesCapped());
    if (!printer.isDefault)
        m_messages.show(PrintingMessages::noDefaultPrinter(printer.name));
    // A queue that turns jobs away is not sent any: they would vanish without a trace.
    const int taken = printer.acceptingJobs ? printCopies(copies) : 0;
    if (taken < copies)
        m_messages.show(PrintingMessages::printFailed(taken, copies));
}

int PaperPreview::printCopies(int copies)
{
    // Each copy is a document of its own, holding every page in order.
    for (int copy = 0; copy < copies; ++copy) {
        for (int page = 0; page < m_pages.pageCount(); ++page) {
            if (!m_printer.printPage(m_pages.page(page))) {
                // A document left open would take the sheets of the next print.
                m_printer.endDocument();
                return copy;
            }
        }
        if (!m_printer.endDocument())
            return copy;
    }
    return copies;
}

bool PaperPreview::writePdf(const QString &path)
{
    const PdfOutcome outcome = WritePaperPdf(m_pages, path);
    if (outcome.ok())
        return true;
    m_messages.show(PrintingMessages::pdfFailed(path, outcome.error));
    return false;
}
