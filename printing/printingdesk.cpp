// SPDX-License-Identifier: GPL-3.0-or-later
#include "printingdesk.h"

#include "paperprinter.h"
#include "printsettingswindow.h"

PrintingDesk::PrintingDesk(PaperSource paper, MessageBoxes &messages, QWidget *owner)
    : PrintingDesk(std::move(paper), messages, std::make_unique<SystemPaperPrinter>(),
                   &AskForPdfPath, owner)
{
}

PrintingDesk::PrintingDesk(PaperSource paper, MessageBoxes &messages,
                           std::unique_ptr<PaperPrinter> printer, PdfPathChooser choosePdf,
                           QWidget *owner)
    : m_paper(std::move(paper)), m_messages(messages), m_printer(std::move(printer)),
      m_choosePdf(std::move(choosePdf)), m_owner(owner)
{
}

PrintingDesk::~PrintingDesk()
{
    // The owner may have taken its windows with it already.
    delete m_previewWindow.data();
    delete m_settingsWindow.data();
}

void PrintingDesk::openPageSetup()
{
    settingsWindow().open();
}

void PrintingDesk::openPreview()
{
    previewWindow().open();
}

PrintSettings PrintingDesk::printSettings()
{
    return settingsWindow().settings();
}

PrintSettingsWindow &PrintingDesk::settingsWindow()
{
    if (!m_settingsWindow)
        m_settingsWindow = new PrintSettingsWindow(m_owner);
    return *m_settingsWindow;
}

PreviewWindow &PrintingDesk::previewWindow()
{
    if (!m_previewWindow) {
        m_previewWindow = new PreviewWindow(
            m_paper, [this] { return printSettings(); }, m_messages, *m_printer, m_choosePdf,
            m_owner,
            [this]() -> std::optional<PaperForKey> {
                if (!m_answerKey)
                    return std::nullopt;
                return m_answerKey();
            });
    }
    return *m_previewWindow;
}
