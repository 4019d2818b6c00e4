// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paperpage.h"
#include "paperpreview.h"

#include <QMainWindow>

#include <map>

class PageWindow;
class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;

/// Asks the user where to write a PDF file; an empty text when the user cancels.
using PdfPathChooser = std::function<QString(QWidget *parent)>;

/// The largest size a window may take on its screen with its frame and title bar around it.
QSize RoomOnScreen(const QWidget &window);

/// The file dialog that asks for a PDF file, starting in the user's documents folder.
QString AskForPdfPath(QWidget *parent);

/// The print preview (MDIForm1): a white container holding the page window (Form6), with the
/// menus "比例", "打印", "导出PDF" and "取消". It stays loaded after printing, hidden, and
/// starts afresh after "取消".
class PreviewWindow final : public QMainWindow {
    Q_OBJECT
public:
    PreviewWindow(PaperSource paper, SettingsSource settings, MessageBoxes &messages,
                  PaperPrinter &printer, PdfPathChooser choosePdf, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    /// "打印预览": loads the preview when it is not loaded and shows it. A preview still
    /// loaded is shown with the page drawn afresh from the current paper and settings.
    void open();
    bool isLoaded() const { return m_loaded; }

    const PaperPreview &preview() const { return m_preview; }
    const PaperPage &page() const { return m_page; }
    PageWindow &pageWindow() { return *m_pageWindow; }
    QMdiSubWindow &pageFrame() { return *m_pageFrame; }
    /// The scale item of that percentage.
    QAction *scaleItem(int percent) const;
    QAction &printItem() const { return *m_print; }
    QAction &exportItem() const { return *m_export; }
    QAction &cancelItem() const { return *m_cancel; }

    /// The menu handlers.
    void bili1_Click(int percent);
    void dayin_Click();
    void daochu_Click();
    void quxiao_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void MDIForm_Load();
    void Form_Load();
    void fitPageFrame(const QSizeF &twips);

    PaperPage m_page;
    PaperPreview m_preview;
    PdfPathChooser m_choosePdf;
    QMdiArea *m_area = nullptr;
    QMdiSubWindow *m_pageFrame = nullptr;
    PageWindow *m_pageWindow = nullptr;
    QActionGroup *m_scales = nullptr;
    std::map<int, QAction *> m_scaleItems;
    QAction *m_print = nullptr;
    QAction *m_export = nullptr;
    QAction *m_cancel = nullptr;
    bool m_loaded = false;
};
