// SPDX-License-Identifier: GPL-3.0-or-later
#include "knowledgewindow.h"

#include "controls.h"
#include "designscreen.h"
#include "fonts.h"
#include "placement.h"
#include "precisetimer.h"
#include "units.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double ClientWidth = 11655;
constexpr double ClientHeight = 8115;
// The page's client area on the design screen, 15 twips a pixel.
constexpr QSize DesignPixels(int(ClientWidth / 15), int(ClientHeight / 15));

struct LabelPlace {
    double left, top, width, height;
    bool wraps;
};

// Twips, in passage order.
constexpr std::array<LabelPlace, 5> Places{{
    {960, 600, 9015, 495, false},
    {960, 1440, 9495, 495, false},
    {3240, 1800, 7200, 3135, true},
    {1080, 5400, 9345, 495, false},
    {3000, 5760, 7425, 1695, true},
}};

/// Sizes a label for its whole passage, so the text never runs out of its box as it grows.
QRect labelGeometry(const CaptionLabel &label, const LabelPlace &place, const QString &passage)
{
    const QRect designed =
        Placement::pixels(label, QRectF(place.left, place.top, place.width, place.height));
    const QFontMetrics metrics(label.font());
    int width = designed.width();
    int height = designed.height();
    if (place.wraps) {
        const QRect text = metrics.boundingRect(QRect(0, 0, width, 100000),
                                                Qt::TextWordWrap | Qt::AlignLeft, passage);
        height = std::max(height, text.height());
    } else {
        width = std::max(width, metrics.horizontalAdvance(passage) + 2);
        height = std::max(height, metrics.height());
    }
    return QRect(designed.topLeft(), QSize(width, height));
}

} // namespace

KnowledgeWindow::KnowledgeWindow(QWidget *parent) : Backdrop(parent)
{
    setObjectName(u"Form10"_s);
    setWindowTitle(u"基础知识"_s);
    setWindowFlag(Qt::Window);
    // A pale board, should the picture be missing: the red text must stay easy to read.
    setBackColor(QColor(255, 248, 231));
    setPicture(u":/art/knowledge-background.svg"_s);
    m_stage = new DesignStage(*this, DesignPixels);
    m_stage->setFont(Fonts::designFont(u"宋体"_s, 15.75));
    connect(m_stage, &DesignStage::rescaled, this, &KnowledgeWindow::placeLabels);
    fitToScreen();
    buildLabels();
    m_timer = new PreciseTimer(u"Timer1"_s, 100, this);
    connect(m_timer, &PreciseTimer::ticked, this, &KnowledgeWindow::Timer1_Timer);
}

KnowledgeWindow::~KnowledgeWindow() = default;

void KnowledgeWindow::buildLabels()
{
    for (size_t i = 0; i < m_labels.size(); ++i) {
        const KnowledgePassage &passage = KnowledgePassages()[i];
        auto *label = new CaptionLabel(passage.labelName, m_stage);
        label->setTextColor(colorFromBgr(Bgr::Red));
        label->setWordWrap(Places[i].wraps);
        m_labels[i] = label;
    }
    placeLabels();
}

void KnowledgeWindow::placeLabels()
{
    for (size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setGeometry(
            labelGeometry(*m_labels[i], Places[i], KnowledgePassages()[i].text));
    }
}

void KnowledgeWindow::fitToScreen()
{
    // The page keeps its share of the screen that the full-screen windows have.
    const double scale = DesignScreen::scaleOfScreen(*this);
    setFixedSize(qRound(DesignPixels.width() * scale), qRound(DesignPixels.height() * scale));
}

void KnowledgeWindow::open()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    load();
    fitToScreen();
    if (const QScreen *area = screen()) {
        QRect frame = rect();
        frame.moveCenter(area->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}

void KnowledgeWindow::load()
{
    m_reveal.load();
    for (CaptionLabel *label : m_labels)
        label->setCaption(QString());
    m_timer->setEnabled(true);
}

void KnowledgeWindow::Timer1_Timer()
{
    for (int passage : m_reveal.tick())
        m_labels[passage]->setCaption(m_reveal.revealed(passage));
    // The whole text shown, further ticks would change nothing: the window rests.
    if (m_reveal.complete())
        m_timer->setEnabled(false);
}

void KnowledgeWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        close();
}

void KnowledgeWindow::keyPressEvent(QKeyEvent *event)
{
    // The keyboard's click on the background: Esc, Enter or Space closes the window.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (!event->isAutoRepeat())
            close();
        return;
    default:
        Backdrop::keyPressEvent(event);
    }
}

void KnowledgeWindow::closeEvent(QCloseEvent *event)
{
    m_timer->setEnabled(false);
    Backdrop::closeEvent(event);
}
