// SPDX-License-Identifier: GPL-3.0-or-later
#include "exampleswindow.h"

#include "messageboxes.h"

#include "controls.h"
#include "designscreen.h"
#include "examplelayout.h"
#include "fonts.h"
#include "keyboard.h"
#include "pictures.h"
#include "placement.h"
#include "precisetimer.h"
#include "surfaceview.h"
#include "units.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr quint32 BoardColour = 0x00FFC0C0;
constexpr int TypewriterMs = 200;
constexpr double MarkerTwips = 480; // 32 pixels of the design screen

void setTimerRunning(PreciseTimer &timer, bool running)
{
    // Restarting a running timer would shift its rhythm.
    if (timer.isEnabled() != running)
        timer.setEnabled(running);
}

} // namespace

ExamplesWindow::ExamplesWindow(WindowHost &host, const PlatformServices &services)
    : m_host(host), m_messages(services.messages), m_lesson(m_surface, services.sound)
{
    setObjectName(u"Form3"_s);
    setWindowTitle(u"Lumaro    例题分析  "_s);
    setFont(Fonts::designFont(u"华文新魏"_s, 18));
    buildControls();
    m_problemTimer = new PreciseTimer(u"Timer1"_s, TypewriterMs, this);
    m_solutionTimer = new PreciseTimer(u"Timer2"_s, TypewriterMs, this);
    connect(m_problemTimer, &PreciseTimer::ticked, this, &ExamplesWindow::Timer1_Timer);
    connect(m_solutionTimer, &PreciseTimer::ticked, this, &ExamplesWindow::Timer2_Timer);
    m_lesson.load();
}

ExamplesWindow::~ExamplesWindow() = default;

void ExamplesWindow::buildControls()
{
    // Around the design screen the window shows the board's colour.
    QPalette surround = palette();
    surround.setColor(QPalette::Window, colorFromBgr(BoardColour));
    setPalette(surround);
    setAutoFillBackground(true);
    m_stage = new DesignStage(*this);
    connect(m_stage, &DesignStage::rescaled, this, &ExamplesWindow::placeControls);
    m_board = new SurfaceView(m_surface, m_stage);
    m_board->setObjectName(u"Board"_s);
    m_board->setBackColor(colorFromBgr(BoardColour));
    m_board->setAccessibleName(u"例题分析"_s);

    m_marker = new PictureLabel(u"Image1"_s, u":/art/writing-marker.svg"_s, m_board);
    m_marker->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_buttons = {makeButton(u"Command1"_s, u"开始学习"_s), makeButton(u"Command2"_s, u"返 回"_s),
                 makeButton(u"Command3"_s, u"进入练习"_s),
                 makeButton(u"Command4"_s, u"进入测试"_s)};
    connect(m_buttons[0], &QPushButton::clicked, this, &ExamplesWindow::Command1_Click);
    connect(m_buttons[1], &QPushButton::clicked, this, &ExamplesWindow::Command2_Click);
    connect(m_buttons[2], &QPushButton::clicked, this, &ExamplesWindow::Command3_Click);
    connect(m_buttons[3], &QPushButton::clicked, this, &ExamplesWindow::Command4_Click);
    // "下一题" is disabled as it is pressed: the focus waits on the board while the example is
    // written, not on "返 回", where the next space would close the window.
    new FocusKeeper(*this, [this] { return m_board; });
}

QPushButton *ExamplesWindow::makeButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, m_board);
    button->setObjectName(name);
    SetAccessibleCaption(*button, caption);
    button->setFont(Fonts::designFont(u"宋体"_s, 10.5));
    SetHandCursor(*button);
    button->setStyleSheet(OrangeButtonStyle());
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

void ExamplesWindow::load()
{
    m_lesson.load();
    DesignScreen::fillScreen(*this);
    placeControls();
    showLesson();
}

void ExamplesWindow::placeControls()
{
    m_board->setGeometry(m_stage->rect());
    m_marker->resize(Placement::pixels(*m_board, QRectF(0, 0, MarkerTwips, MarkerTwips)).size());
    const auto places = ExampleButtonPlaces(DesignScreen::WidthTwips, DesignScreen::HeightTwips);
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(Placement::pixels(*m_board, places[i]));
    showMarker();
}

void ExamplesWindow::showLesson()
{
    setTimerRunning(*m_problemTimer, m_lesson.problemTyping());
    setTimerRunning(*m_solutionTimer, m_lesson.solutionTyping());
    QPushButton &next = *m_buttons[0];
    next.setEnabled(m_lesson.nextEnabled());
    // The example written, the focus that waited on the board goes back to "下一题".
    if (next.isEnabled() && m_board->hasFocus())
        next.setFocus(Qt::OtherFocusReason);
    if (next.text() != m_lesson.nextCaption()) {
        next.setText(m_lesson.nextCaption());
        SetAccessibleCaption(next, next.text());
    }
    showMarker();
}

void ExamplesWindow::showMarker()
{
    const QPointF marker = m_lesson.markerPlace();
    m_marker->move(Placement::pixels(*m_board, QRectF(marker, QSizeF())).topLeft());
    m_marker->show();
}

void ExamplesWindow::Command1_Click()
{
    m_lesson.nextExample(m_host.settings());
    showLesson();
    if (m_lesson.takeDamageNotice())
        m_messages.show(DamagedBankMessage());
}

void ExamplesWindow::Command2_Click()
{
    leaveFor(WindowId::Main);
}

void ExamplesWindow::Command3_Click()
{
    leaveFor(WindowId::Practice);
}

void ExamplesWindow::Command4_Click()
{
    leaveFor(WindowId::Test);
}

void ExamplesWindow::leaveFor(WindowId next)
{
    // The narration still playing is not cut off.
    m_host.handOver(this, next);
}

void ExamplesWindow::Timer1_Timer()
{
    m_lesson.problemTick();
    showLesson();
}

void ExamplesWindow::Timer2_Timer()
{
    m_lesson.solutionTick();
    showLesson();
}

void ExamplesWindow::closeEvent(QCloseEvent *event)
{
    m_problemTimer->setEnabled(false);
    m_solutionTimer->setEnabled(false);
    QWidget::closeEvent(event);
}
