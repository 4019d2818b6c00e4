// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingprinter.h"

#include <utility>

QString PrintedSheet::text() const
{
    QString joined;
    for (const TextSurface::Run &run : runs)
        joined += run.text;
    return joined;
}

bool PrintedSheet::sameContent(const PrintedSheet &other) const
{
    if (size != other.size || shownGuides != other.shownGuides || runs.size() != other.runs.size())
        return false;
    for (size_t i = 0; i < runs.size(); ++i) {
        const TextSurface::Run &a = runs[i];
        const TextSurface::Run &b = other.runs[i];
        if (a.at != b.at || a.text != b.text || a.fontName != b.fontName ||
            a.fontSize != b.fontSize || a.color != b.color)
            return false;
    }
    return true;
}

void RecordingPrinter::findPrinter(PrinterAnswer answer)
{
    ++lookups;
    waitingAnswer = std::move(answer);
    if (!answersLater)
        giveAnswer();
}

bool RecordingPrinter::giveAnswer()
{
    const PrinterAnswer answer = std::exchange(waitingAnswer, nullptr);
    if (!answer)
        return false;
    answer(answers ? PrinterFound{true, choice()} : PrinterFound{false, {}});
    return true;
}

bool RecordingPrinter::printPage(const PaperPage &page)
{
    ++sheetsAsked;
    if (!available || sheetsAsked == refuseSheet)
        return false;
    PrintedSheet sheet{page.size(), page.text().runs(), {}};
    for (Guide guide : {Guide::Top, Guide::Left, Guide::Right, Guide::Bottom}) {
        if (page.guide(guide).shown)
            sheet.shownGuides.append(page.guide(guide));
    }
    openDocument.append(sheet);
    return true;
}

bool RecordingPrinter::endDocument()
{
    if (openDocument.isEmpty())
        return false;
    const bool taken = documentsTaken < 0 || documents.size() < documentsTaken;
    if (taken)
        documents.append(openDocument);
    openDocument.clear();
    return taken;
}
