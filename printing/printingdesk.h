// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paperpreview.h"
#include "previewwindow.h"
#include "printsettingswindow.h"

#include <QObject>
#include <QPointer>

#include <memory>

class MessageBoxes;
class PaperPrinter;
class QWidget;

/// Printing for the test window: the print settings window and the print preview, opened
/// beside it. Each window is made the first time it is needed and lives as long as the desk.
///
///     m_printing = std::make_unique<PrintingDesk>([this] { return m_paperBox->toPlainText(); },
///                                                 services.messages, this);
///     connect(pageSetupItem, &QAction::triggered, m_printing.get(), &PrintingDesk::openPageSetup);
///     connect(previewItem, &QAction::triggered, m_printing.get(), &PrintingDesk::openPreview);
///     m_printing->setAnswerKeySource([this] { return composedProblems(); });
class PrintingDesk final : public QObject {
    Q_OBJECT
public:
    /// paper gives the test paper's text at the moment the page is drawn. The windows are
    /// owned by owner (the test window) when one is given, and stay above it.
    PrintingDesk(PaperSource paper, MessageBoxes &messages, QWidget *owner = nullptr);
    /// As above, printing on printer and asking for PDF files with choosePdf.
    PrintingDesk(PaperSource paper, MessageBoxes &messages, std::unique_ptr<PaperPrinter> printer,
                 PdfPathChooser choosePdf, QWidget *owner = nullptr);
    ~PrintingDesk() override;

    /// Where the answer key comes from: the problems of the composed paper and whether it
    /// was handed in. Without it the preview says there is no paper to give a key of.
    void setAnswerKeySource(AnswerKeySource answerKey) { m_answerKey = std::move(answerKey); }

    /// "页面设置": shows the print settings window.
    void openPageSetup();
    /// "打印预览": shows the print preview.
    void openPreview();

    /// The settings as they stand; the defaults while the settings window was never opened.
    PrintSettings printSettings();
    PrintSettingsWindow &settingsWindow();
    PreviewWindow &previewWindow();

private:
    PaperSource m_paper;
    MessageBoxes &m_messages;
    std::unique_ptr<PaperPrinter> m_printer;
    PdfPathChooser m_choosePdf;
    AnswerKeySource m_answerKey;
    QWidget *m_owner;
    QPointer<PrintSettingsWindow> m_settingsWindow;
    QPointer<PreviewWindow> m_previewWindow;
};
