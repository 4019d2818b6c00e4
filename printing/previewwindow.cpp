// SPDX-License-Identifier: GPL-3.0-or-later
#include "previewwindow.h"

#include "designscreen.h"
#include "pagewindow.h"
#include "paperlayout.h"
#include "placement.h"
#include "units.h"
#include "windowplacement.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

// The room the container leaves around the page window, in twips.
constexpr double ContainerExtraWidth = 400;
constexpr double ContainerExtraHeight = 800;
constexpr double PageFrameTop = 30;
constexpr double PageGap = 240; // between the windows of two pages

const QString PreviewTitle = u"打印预览"_s;

QSize pixels(const QWidget &window, double widthTwips, double heightTwips)
{
    return Placement::pixels(window, QRectF(0, 0, widthTwips, heightTwips)).size();
}

QString withPdfSuffix(const QString &path)
{
    if (path.isEmpty() || path.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        return path;
    return path + u".pdf"_s;
}

} // namespace

QSize RoomOnScreen(const QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Leave room for the window's frame and title bar.
    return screen->availableGeometry().size() - QSize(16, 48);
}

QString AskForPdfPath(QWidget *parent)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(PaperTitle() + u".pdf"_s);
    return withPdfSuffix(
        QFileDialog::getSaveFileName(parent, u"导出PDF"_s, suggested, u"PDF 文件 (*.pdf)"_s));
}

PreviewWindow::PreviewWindow(PaperSource paper, SettingsSource settings, MessageBoxes &messages,
                             PaperPrinter &printer, PdfPathChooser choosePdf, QWidget *parent,
                             AnswerKeySource answerKey)
    : QMainWindow(parent), m_preview(m_pages, std::move(paper), std::move(settings), messages,
                                     printer, std::move(answerKey)),
      m_choosePdf(std::move(choosePdf))
{
    setObjectName(u"MDIForm1"_s);
    setWindowFlag(Qt::Window);
    setWindowTitle(PreviewTitle);
    m_pages.setTextColor(QColor(255, 0, 0));

    m_area = new QMdiArea(this);
    m_area->setBackground(Qt::white);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);

    m_pageWindow = new PageWindow(m_pages.page(0));
    m_pageFrame = m_area->addSubWindow(m_pageWindow, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                         Qt::WindowTitleHint);
    m_pageFrame->setWindowTitle(u"打印预览"_s);
    connect(&m_pages.page(0), &PaperPage::sizeChanged, this, &PreviewWindow::fitPageFrame);
    connect(&m_pages, &PaperDocument::pageCountChanged, this, &PreviewWindow::arrangePages);
    buildMenus();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildMenus()
{
    QMenu *scale = menuBar()->addMenu(u"比例"_s);
    scale->setObjectName(u"bili"_s);
    m_scales = new QActionGroup(this);
    m_scales->setExclusive(true);
    for (int percent : PageScales) {
        QAction *item = scale->addAction(QString::number(percent) + u"%"_s);
        item->setObjectName(u"bili1"_s);
        item->setData(percent);
        item->setCheckable(true);
        m_scales->addAction(item);
        m_scaleItems[percent] = item;
        connect(item, &QAction::triggered, this, [this, percent] { bili1_Click(percent); });
    }
    m_print = menuBar()->addAction(u"打印"_s);
    m_print->setObjectName(u"dayin"_s);
    connect(m_print, &QAction::triggered, this, &PreviewWindow::dayin_Click);
    m_export = menuBar()->addAction(u"导出PDF"_s);
    m_export->setObjectName(u"daochu"_s);
    connect(m_export, &QAction::triggered, this, &PreviewWindow::daochu_Click);
    buildAnswerKeyMenu();
    m_cancel = menuBar()->addAction(u"取消"_s);
    m_cancel->setObjectName(u"quxiao"_s);
    connect(m_cancel, &QAction::triggered, this, &PreviewWindow::quxiao_Click);
}

void PreviewWindow::buildAnswerKeyMenu()
{
    QMenu *key = menuBar()->addMenu(u"答案"_s);
    key->setObjectName(u"daan"_s);
    const struct {
        QAction *&item;
        QString text;
        QString name;
        void (PreviewWindow::*handler)();
    } items[] = {
        {m_viewKey, u"查看答案"_s, u"chakandaan"_s, &PreviewWindow::chakandaan_Click},
        {m_printKey, u"打印答案"_s, u"dayindaan"_s, &PreviewWindow::dayindaan_Click},
        {m_exportKey, u"导出答案PDF"_s, u"daochudaan"_s, &PreviewWindow::daochudaan_Click},
        {m_viewPaper, u"查看试卷"_s, u"chakanshijuan"_s, &PreviewWindow::chakanshijuan_Click},
    };
    for (const auto &[item, text, name, handler] : items) {
        item = key->addAction(text);
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, handler);
    }
}

QAction *PreviewWindow::scaleItem(int percent) const
{
    const auto item = m_scaleItems.find(percent);
    return item == m_scaleItems.end() ? nullptr : item->second;
}

void PreviewWindow::open()
{
    const bool rescaled = DesignScreen::scaleOf(*this) != DesignScreen::scaleOfScreen(*this);
    // The page is shown at the scale the full-screen windows have on this screen.
    DesignScreen::setScale(*this, DesignScreen::scaleOfScreen(*this));
    const bool fresh = !m_loaded;
    if (fresh) {
        m_loaded = true;
        MDIForm_Load();
    }
    if (!isVisible())
        CentreOverOwner(*this);
    show();
    raise();
    activateWindow();
    if (fresh) {
        Form_Load();
    } else {
        m_preview.refresh();
        if (rescaled)
            fitPageFrame(m_pages.page(0).size());
    }
    showWhatIsDrawn();
}

void PreviewWindow::setScale(double scale)
{
    DesignScreen::setScale(*this, scale);
    fitPageFrame(m_pages.page(0).size());
    m_preview.refresh();
}

void PreviewWindow::MDIForm_Load()
{
    // The page window starts at its first size; the container takes its own size from it
    // and keeps that size when the page grows or shrinks.
    m_pageWindow->resize(m_pageWindow->sizeHint());
    m_pageFrame->adjustSize();
    const QSize frame = m_pageFrame->size();
    const QSize extra = pixels(*this, ContainerExtraWidth, ContainerExtraHeight);
    resize((frame + extra).boundedTo(RoomOnScreen(*this)));
}

void PreviewWindow::Form_Load()
{
    scaleItem(DefaultPageScale)->setChecked(true);
    m_pageFrame->move(0, pixels(*this, 0, PageFrameTop).height());
    m_pageFrame->show();
    m_preview.load();
    fitPageFrame(m_pages.page(0).size());
}

void PreviewWindow::fitPageFrame(const QSizeF &twips)
{
    // The page's size is the page window's outer size, its frame included.
    m_pageFrame->resize(pixels(*this, twips.width(), twips.height()));
    arrangePages();
}

QMdiSubWindow *PreviewWindow::addPageFrame(PaperPage &page, int number)
{
    auto *window = new PageWindow(page);
    window->setObjectName(u"Form6_"_s + QString::number(number));
    QMdiSubWindow *frame =
        m_area->addSubWindow(window, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    frame->setWindowTitle(u"第 "_s + QString::number(number) + u" 页"_s);
    connect(&page, &PaperPage::sizeChanged, this, &PreviewWindow::arrangePages);
    return frame;
}

void PreviewWindow::arrangePages()
{
    // Further pages stand one below the other under the first, each as large as its page.
    const int count = m_pages.pageCount();
    while (int(m_furtherFrames.size()) + 1 < count) {
        const int index = int(m_furtherFrames.size()) + 1;
        m_furtherFrames.push_back(addPageFrame(m_pages.page(index), index + 1));
    }
    const int gap = pixels(*this, 0, PageGap).height();
    QRect above = m_pageFrame->geometry();
    for (size_t i = 0; i < m_furtherFrames.size(); ++i) {
        QMdiSubWindow *frame = m_furtherFrames[i];
        const bool inUse = int(i) + 1 < count;
        if (!inUse) {
            frame->hide();
            continue;
        }
        const QSizeF twips = m_pages.page(int(i) + 1).size();
        frame->setGeometry(QRect(QPoint(above.left(), above.bottom() + 1 + gap),
                                 pixels(*this, twips.width(), twips.height())));
        frame->setVisible(!m_pageFrame->isHidden());
        above = frame->geometry();
    }
}

QList<QMdiSubWindow *> PreviewWindow::shownPageFrames() const
{
    QList<QMdiSubWindow *> shown{m_pageFrame};
    for (QMdiSubWindow *frame : m_furtherFrames) {
        if (!frame->isHidden())
            shown.append(frame);
    }
    return shown;
}

void PreviewWindow::showWhatIsDrawn()
{
    const bool key = m_preview.shown() == PaperPreview::Shown::AnswerKey;
    setWindowTitle(key ? PreviewTitle + u" - "_s + AnswerKeyTitle() : PreviewTitle);
}

void PreviewWindow::bili1_Click(int percent)
{
    if (m_preview.chooseScale(percent))
        scaleItem(percent)->setChecked(true);
}

void PreviewWindow::dayin_Click()
{
    m_preview.print();
    showWhatIsDrawn();
    hide();
}

void PreviewWindow::daochu_Click()
{
    const QString path = m_choosePdf(this);
    if (!path.isEmpty())
        m_preview.exportPdf(path);
    showWhatIsDrawn();
}

void PreviewWindow::chakandaan_Click()
{
    m_preview.showAnswerKey();
    showWhatIsDrawn();
}

void PreviewWindow::dayindaan_Click()
{
    if (m_preview.printAnswerKey())
        hide();
    showWhatIsDrawn();
}

void PreviewWindow::daochudaan_Click()
{
    if (!m_preview.checkAnswerKey())
        return;
    const QString path = m_choosePdf(this);
    if (!path.isEmpty())
        m_preview.exportAnswerKeyPdf(path);
    showWhatIsDrawn();
}

void PreviewWindow::chakanshijuan_Click()
{
    m_preview.refresh();
    showWhatIsDrawn();
}

void PreviewWindow::quxiao_Click()
{
    close();
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    // Closed, the preview is unloaded: the next opening starts afresh at 100 %.
    m_loaded = false;
    QMainWindow::closeEvent(event);
}
