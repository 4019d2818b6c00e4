// SPDX-License-Identifier: GPL-3.0-or-later
#include "exampleswindow.h"

#include "messageboxes.h"

#include "controls.h"
#include "examplelayout.h"
#include "fonts.h"
#include "keyboard.h"
#include "pictures.h"
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
constexpr int MarkerPixels = 32;

// Orange buttons; a disabled one fades, so the pupil sees it is not ready yet.
const QString ButtonStyle =
    u"QPushButton { background: #ff8000; color: #000000; border: 1px solid #b05000; "
    u"border-radius: 3px; }"
    u"QPushButton:pressed { background: #e07000; }"
    u"QPushButton:disabled { background: #ffc88f; color: #a07850; border-color: #d8a070; }"_s +
    ButtonFocusStyle();

QRect pixelRect(const TwipScale &scale, const QRectF &twips)
{
    return QRect(scale.toPixels(twips.x()), scale.toPixels(twips.y()),
                 scale.toPixels(twips.width()), scale.toPixels(twips.height()));
}

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
    connect(m_problemTimer, &QTimer::timeout, this, &ExamplesWindow::Timer1_Timer);
    connect(m_solutionTimer, &QTimer::timeout, this, &ExamplesWindow::Timer2_Timer);
    m_lesson.load();
}

ExamplesWindow::~ExamplesWindow() = default;

void ExamplesWindow::buildControls()
{
    m_board = new SurfaceView(m_surface, this);
    m_board->setObjectName(u"Board"_s);
    m_board->setBackColor(colorFromBgr(BoardColour));
    m_board->setAccessibleName(u"例题分析"_s);

    m_marker = new QLabel(m_board);
    m_marker->setObjectName(u"Image1"_s);
    m_marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_marker->setFixedSize(MarkerPixels, MarkerPixels);
    m_marker->setPixmap(
        Pictures::render(u":/art/writing-marker.svg"_s, QSize(MarkerPixels, MarkerPixels)));

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
    button->setCursor(Pictures::handCursor());
    button->setStyleSheet(ButtonStyle);
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

void ExamplesWindow::load()
{
    m_lesson.load();
    if (const QScreen *area = screen()) {
        const QRect whole = area->geometry();
        resize(whole.size());
        move(whole.topLeft());
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    placeButtons();
    showLesson();
}

void ExamplesWindow::placeButtons()
{
    const TwipScale scale = TwipScale::of(*this);
    const auto places = ExampleButtonPlaces(scale.toTwips(width()), scale.toTwips(height()));
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(pixelRect(scale, places[i]));
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
    const TwipScale scale = TwipScale::of(*m_board);
    const QPointF marker = m_lesson.markerPlace();
    m_marker->move(scale.toPixels(marker.x()), scale.toPixels(marker.y()));
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

void ExamplesWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_board)
        return;
    m_board->setGeometry(rect());
    placeButtons();
}
