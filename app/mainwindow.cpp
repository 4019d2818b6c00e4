// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "controls.h"
#include "designscreen.h"
#include "displaymode.h"
#include "knowledgewindow.h"
#include "lumaroversion.h"
#include "mainmessages.h"
#include "precisetimer.h"
#include "singleinstance.h"
#include "sound.h"
#include "units.h"

#include <QCloseEvent>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The request behind the click sound: a path that names no sound file, answered with the
/// alert sound, which also cuts off the title music.
const QString ClickSoundPath = u"d:\\"_s;

constexpr int DisplayWidth = 1024;
constexpr int DisplayHeight = 768;

} // namespace

MainWindow::MainWindow(WindowHost &host, ProgramSettings &settings,
                       const PlatformServices &services)
    : m_host(host), m_settings(settings), m_services(services), m_logic(settings)
{
    buildControls();
    for (CaptionLabel *label : m_contentLabels + m_modeLabels) {
        connect(label, &CaptionLabel::mouseMoved, label,
                [label] { label->setTextColor(colorFromBgr(Bgr::Yellow)); });
    }
    connect(m_contentFrame, &CaptionFrame::backgroundMouseMoved, this, [this] {
        for (CaptionLabel *label : m_contentLabels)
            label->setTextColor(colorFromBgr(Bgr::Red));
    });
    connect(m_modeFrame, &CaptionFrame::backgroundMouseMoved, this, [this] {
        for (CaptionLabel *label : m_modeLabels)
            label->setTextColor(colorFromBgr(Bgr::Red));
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::load()
{
    resetControls();
    DesignScreen::fillScreen(*this);
    placeControls();
    m_services.display.request(DisplayWidth, DisplayHeight);
    m_logic.load();
    showStage();
    setTimersEnabled(true);
    // From here on a failing step is passed over: the window shows all the same.
    CheckExist();
}

void MainWindow::resetControls()
{
    setWindowTitle(u"Lumaro  版本（v" LUMARO_VERSION u"）  "_s);
    m_motto->setCaption(QString());
    m_image1->show();
    m_image2->show();
    for (CaptionLabel *label : m_contentLabels + m_modeLabels)
        label->setTextColor(colorFromBgr(Bgr::Red));
    for (CaptionLabel *label : m_modeLabels)
        label->setEnabled(false);
}

const QList<CaptionLabel *> &MainWindow::shownChoices() const
{
    return m_logic.stage() == MainWindowLogic::Stage::Mode ? m_modeLabels : m_contentLabels;
}

void MainWindow::showStage()
{
    const bool choosingMode = m_logic.stage() == MainWindowLogic::Stage::Mode;
    placeChoices(shownChoices());
    m_contentFrame->setVisible(!choosingMode);
    m_modeFrame->setVisible(choosingMode);
    if (choosingMode) {
        for (CaptionLabel *label : m_modeLabels)
            label->setEnabled(true);
    }
    focusStage(shownChoices());
}

void MainWindow::focusStage(const QList<CaptionLabel *> &choices)
{
    // The frame just hidden took the focus with it; a keyboard goes on in the frame shown.
    auto *focused = qobject_cast<CaptionLabel *>(focusWidget());
    if (!choices.isEmpty() && !choices.contains(focused))
        choices.first()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setTimersEnabled(bool enabled)
{
    m_mottoTimer->setEnabled(enabled);
    m_musicTimer->setEnabled(enabled);
    m_blinkTimer->setEnabled(enabled);
}

void MainWindow::CheckExist()
{
    if (!m_services.instance.anotherCopyRunning())
        return;
    m_services.messages.show(MainMessages::AlreadyRunning());
    // Leave the title to the copy that runs.
    setWindowTitle(QString());
    m_services.instance.raiseOtherCopy();
    m_host.endProgram();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    setTimersEnabled(false);
    QMainWindow::closeEvent(event);
}

void MainWindow::Timer2_Timer()
{
    const std::optional<QString> motto = m_logic.mottoTick();
    if (!motto)
        return;
    const bool wasEmpty = m_motto->text().isEmpty();
    m_motto->setCaption(*motto);
    if (wasEmpty && !motto->isEmpty())
        placeMotto();
}

void MainWindow::Timer3_Timer()
{
    if (m_logic.musicTick())
        m_services.sound.play(m_settings.path(MainWindowLogic::TitleMusic));
}

void MainWindow::Timer4_Timer()
{
    const bool firstPicture = m_logic.blinkTick();
    m_image1->setVisible(firstPicture);
    m_image2->setVisible(!firstPicture);
}

void MainWindow::Label2_Click()
{
    if (!m_knowledge)
        m_knowledge = std::make_unique<KnowledgeWindow>();
    m_knowledge->open();
}

void MainWindow::TypeLabel_Click(int type)
{
    m_logic.chooseType(type);
    showStage();
}

void MainWindow::Label16_Click()
{
    m_logic.backToContent();
    showStage();
}

void MainWindow::ClickSound()
{
    m_services.sound.play(ClickSoundPath);
}

void MainWindow::goTo(WindowId next)
{
    ClickSound();
    m_host.handOver(this, next);
}

void MainWindow::Label9_Click()
{
    goTo(WindowId::Examples);
}

void MainWindow::Label10_Click()
{
    ClickSound();
    QWidget *practice = m_host.handOver(this, WindowId::Practice);
    if (auto *answering = dynamic_cast<AnswerBoxWindow *>(practice))
        answering->focusAnswerBox();
}

void MainWindow::Label11_Click()
{
    goTo(WindowId::Test);
}

void MainWindow::shiyongshuoming_Click()
{
    m_services.messages.show(MainMessages::Instructions());
}

void MainWindow::wentifankui_Click()
{
    m_services.messages.show(MainMessages::Feedback());
}

void MainWindow::tuichu_Click()
{
    ClickSound();
    m_host.endProgram();
}
