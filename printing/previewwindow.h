// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paperdocument.h"
#include "paperpreview.h"

#include <QMainWindow>

#include <map>
#include <vector>

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

/// The print preview (MDIForm1): a white container holding the page window (Form6) of the
/// first page and, below it, a window for each further page, with the menus "比例", "打印",
/// "导出PDF", "答案" and "取消". It stays loaded after printing, hidden, and starts afresh
/// after "取消".
class PreviewWindow final : public QMainWindow {
    Q_OBJECT
public:
    PreviewWindow(PaperSource paper, SettingsSource settings, MessageBoxes &messages,
                  PaperPrinter &printer, PdfPathChooser choosePdf, QWidget *parent = nullptr,
                  AnswerKeySource answerKey = {});
    ~PreviewWindow() override;

    /// "打印预览": loads the preview when it is not loaded and shows it. A preview still
    /// loaded is shown with the page drawn afresh from the current paper and settings.
    void open();
    bool isLoaded() const { return m_loaded; }

    const PaperPreview &preview() const { return m_preview; }
    /// The first page.
    const PaperPage &page() const { return m_pages.page(0); }
    const PaperDocument &pages() const { return m_pages; }
    PageWindow &pageWindow() { return *m_pageWindow; }
    QMdiSubWindow &pageFrame() { return *m_pageFrame; }
    /// The windows of the pages shown, the first page's frame first.
    QList<QMdiSubWindow *> shownPageFrames() const;
    /// The scale item of that percentage.
    QAction *scaleItem(int percent) const;
    QAction &printItem() const { return *m_print; }
    QAction &exportItem() const { return *m_export; }
    QAction &cancelItem() const { return *m_cancel; }
    QAction &viewKeyItem() const { return *m_viewKey; }
    QAction &printKeyItem() const { return *m_printKey; }
    QAction &exportKeyItem() const { return *m_exportKey; }
    QAction &viewPaperItem() const { return *m_viewPaper; }

    /// The menu handlers.
    void bili1_Click(int percent);
    /// Draws the pages at the given scale of their design (on opening: the scale the
    /// full-screen windows have on this screen).
    void setScale(double scale);
    void dayin_Click();
    void daochu_Click();
    void quxiao_Click();
    void chakandaan_Click();
    void dayindaan_Click();
    void daochudaan_Click();
    void chakanshijuan_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildAnswerKeyMenu();
    void arrangePages();
    QMdiSubWindow *addPageFrame(PaperPage &page, int number);
    void showWhatIsDrawn();
    void MDIForm_Load();
    void Form_Load();
    void fitPageFrame(const QSizeF &twips);

    PaperDocument m_pages;
    PaperPreview m_preview;
    PdfPathChooser m_choosePdf;
    QMdiArea *m_area = nullptr;
    QMdiSubWindow *m_pageFrame = nullptr;
    PageWindow *m_pageWindow = nullptr;
    std::vector<QMdiSubWindow *> m_furtherFrames; // page 2 on, made when first needed
    QActionGroup *m_scales = nullptr;
    std::map<int, QAction *> m_scaleItems;
    QAction *m_print = nullptr;
    QAction *m_export = nullptr;
    QAction *m_cancel = nullptr;
    QAction *m_viewKey = nullptr;
    QAction *m_printKey = nullptr;
    QAction *m_exportKey = nullptr;
    QAction *m_viewPaper = nullptr;
    bool m_loaded = false;
};
