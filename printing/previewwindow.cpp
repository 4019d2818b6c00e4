// SPDX-License-Identifier: GPL-3.0-or-later
#include "previewwindow.h"

#include "pagewindow.h"
#include "paperlayout.h"
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

QSize pixels(const QWidget &window, double widthTwips, double heightTwips)
{
    const TwipScale scale = TwipScale::of(window);
    return QSize(scale.toPixels(widthTwips), scale.toPixels(heightTwips));
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
                             PaperPrinter &printer, PdfPathChooser choosePdf, QWidget *parent)
    : QMainWindow(parent),
      m_preview(m_page, std::move(paper), std::move(settings), messages, printer),
      m_choosePdf(std::move(choosePdf))
{
    setObjectName(u"MDIForm1"_s);
    setWindowFlag(Qt::Window);
    setWindowTitle(u"打印预览"_s);
    m_page.text().setTextColor(QColor(255, 0, 0));

    m_area = new QMdiArea(this);
    m_area->setBackground(Qt::white);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);

    m_pageWindow = new PageWindow(m_page);
    m_pageFrame = m_area->addSubWindow(m_pageWindow, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                         Qt::WindowTitleHint);
    m_pageFrame->setWindowTitle(u"打印预览"_s);
    connect(&m_page, &PaperPage::sizeChanged, this, &PreviewWindow::fitPageFrame);
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
    m_cancel = menuBar()->addAction(u"取消"_s);
    m_cancel->setObjectName(u"quxiao"_s);
    connect(m_cancel, &QAction::triggered, this, &PreviewWindow::quxiao_Click);
}

QAction *PreviewWindow::scaleItem(int percent) const
{
    const auto item = m_scaleItems.find(percent);
    return item == m_scaleItems.end() ? nullptr : item->second;
}

void PreviewWindow::open()
{
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
    if (fresh)
        Form_Load();
    else
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
    fitPageFrame(m_page.size());
}

void PreviewWindow::fitPageFrame(const QSizeF &twips)
{
    // The page's size is the page window's outer size, its frame included.
    m_pageFrame->resize(pixels(*this, twips.width(), twips.height()));
}

void PreviewWindow::bili1_Click(int percent)
{
    if (m_preview.chooseScale(percent))
        scaleItem(percent)->setChecked(true);
}

void PreviewWindow::dayin_Click()
{
    m_preview.print();
    hide();
}

void PreviewWindow::daochu_Click()
{
    const QString path = m_choosePdf(this);
    if (!path.isEmpty())
        m_preview.exportPdf(path);
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
