// SPDX-License-Identifier: GPL-3.0-or-later
#include "practicewindow.h"

#include "controls.h"
#include "designscreen.h"
#include "keyboard.h"
#include "placement.h"
#include "practicelayout.h"
#include "precisetimer.h"
#include "surfaceview.h"
#include "units.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr quint32 Blue = 0x00FF0000;

void setCaptionFitting(CaptionLabel &label, const QString &caption)
{
    if (label.caption() == caption)
        return;
    label.setCaption(caption);
    label.adjustSize();
}

void moveInTwips(QWidget &control, const QPointF &twips)
{
    control.move(Placement::pixels(control, QRectF(twips, QSizeF())).topLeft());
}

void runWhile(PreciseTimer &timer, bool running)
{
    // A running timer keeps its rhythm: restarting it on every refresh would delay its tick.
    if (timer.isActive() != running)
        timer.setEnabled(running);
}

/// Brings a log box up to date with its log: new lines are appended and scrolled into view.
void showLog(QPlainTextEdit &box, QString &shown, const QString &log)
{
    if (log == shown)
        return;
    if (!log.startsWith(shown)) {
        box.clear();
        shown.clear();
    }
    QString added = log.mid(shown.size());
    added.replace(u"\r\n"_s, u"\n"_s);
    QTextCursor end(box.document());
    end.movePosition(QTextCursor::End);
    end.insertText(added);
    shown = log;
    box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
}

} // namespace

PracticeWindow::PracticeWindow(WindowHost &host, const PlatformServices &services)
    : m_host(host), m_session(host.settings(), services.sound, services.messages)
{
    buildControls();
    // "开始练习" is disabled as it is pressed: a space typed next, an early start on the
    // answer, must land on the problem being written, never on "返 回".
    new FocusKeeper(*this, [this]() -> QWidget * {
        return m_answerBox->isEnabled() ? static_cast<QWidget *>(m_answerBox) : m_problemBoard;
    });
}

PracticeWindow::~PracticeWindow() = default;

void PracticeWindow::load()
{
    m_session.load();
    DesignScreen::fillScreen(*this);
    placeControls();

    m_answerBox->clear();
    m_problemLog->clear();
    m_verdictLog->clear();
    m_shownProblemLog.clear();
    m_shownVerdictLog.clear();
    const QSignalBlocker blockOn(m_soundOn);
    const QSignalBlocker blockOff(m_soundOff);
    (m_session.soundOn() ? m_soundOn : m_soundOff)->setChecked(true);
    m_clockLabel->setCaption(m_session.clockCaption());
    showSession();
    m_clockTimer->setEnabled(true);
    m_answerBox->setFocus();
}

void PracticeWindow::focusAnswerBox()
{
    m_answerBox->setFocus();
}

void PracticeWindow::showSession()
{
    m_nextButton->setEnabled(m_session.nextEnabled());
    m_nextButton->setText(m_session.nextCaption());
    SetAccessibleCaption(*m_nextButton, m_nextButton->text());
    m_answerBox->setEnabled(m_session.answerEnabled());
    m_problemLog->setEnabled(m_session.problemLogEnabled());
    setCaptionFitting(*m_verdictMark, m_session.verdictMark());
    setCaptionFitting(*m_inputHint, m_session.verdictNote());
    m_smile->setVisible(m_session.face() == PracticeSession::Face::Smile);
    m_frown->setVisible(m_session.face() == PracticeSession::Face::Frown);
    setCaptionFitting(*m_doneLabel, m_session.doneCaption());
    setCaptionFitting(*m_rightLabel, m_session.rightCaption());
    setCaptionFitting(*m_rateLabel, m_session.rateCaption());
    showHands();
    showLogs();
    runWhile(*m_problemTimer, m_session.problemTyping());
    runWhile(*m_solutionTimer, m_session.solutionTyping());
}

void PracticeWindow::showHands()
{
    m_problemHand->setVisible(m_session.problemTyping());
    moveInTwips(*m_problemHand, m_session.problemHand());
    m_solutionHand->setVisible(m_session.solutionTyping());
    moveInTwips(*m_solutionHand, m_session.solutionHand());
}

void PracticeWindow::showLogs()
{
    showLog(*m_problemLog, m_shownProblemLog, m_session.problemLog());
    showLog(*m_verdictLog, m_shownVerdictLog, m_session.verdictLog());
}

void PracticeWindow::placeControls()
{
    placeControls(PracticeLayoutFor(DesignScreen::WidthTwips, DesignScreen::HeightTwips));
    showHands();
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    m_clockTimer->setEnabled(false);
    m_problemTimer->setEnabled(false);
    m_solutionTimer->setEnabled(false);
    Backdrop::closeEvent(event);
}

bool PracticeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_problemLog->viewport() && event->type() == QEvent::MouseButtonPress)
        Text3_MouseDown(static_cast<QMouseEvent *>(event)->button());
    return Backdrop::eventFilter(watched, event);
}

void PracticeWindow::Command1_Click()
{
    if (m_session.nextProblem())
        m_answerBox->clear();
    showSession();
}

void PracticeWindow::Timer2_Timer()
{
    m_session.problemTick();
    showSession();
    if (m_session.phase() == PracticeSession::Phase::Answering)
        m_answerBox->setFocus();
}

void PracticeWindow::Text1_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    m_session.submitAnswer(m_answerBox->text());
    showSession();
    focusNextStepWhenReady();
}

// A pupil who works with the keyboard goes on with Enter once the next problem may start.
void PracticeWindow::focusNextStepWhenReady()
{
    if (m_nextButton->isEnabled())
        m_nextButton->setFocus();
}

void PracticeWindow::Timer3_Timer()
{
    m_session.solutionTick();
    showSession();
    focusNextStepWhenReady();
}

void PracticeWindow::Timer1_Timer()
{
    m_session.clockTick();
    m_clockLabel->setCaption(m_session.clockCaption());
}

void PracticeWindow::Text3_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    m_session.disableProblemLog();
    m_problemLog->setEnabled(false);
}

void PracticeWindow::Option3_Click()
{
    m_session.setSoundOn(true);
}

void PracticeWindow::Option4_Click()
{
    m_session.setSoundOn(false);
}

void PracticeWindow::chooseBackground(quint32 bgr)
{
    setPicture(QString());
    setBackColor(colorFromBgr(bgr));
}

void PracticeWindow::Label5_Click()
{
    chooseBackground(Bgr::Orange);
}

void PracticeWindow::Label6_Click()
{
    chooseBackground(Bgr::Yellow);
}

void PracticeWindow::Label7_Click()
{
    chooseBackground(Bgr::Green);
}

void PracticeWindow::Label8_Click()
{
    chooseBackground(Blue);
}

void PracticeWindow::goTo(WindowId next)
{
    m_host.handOver(this, next);
}

void PracticeWindow::Command2_Click()
{
    goTo(WindowId::Main);
}

void PracticeWindow::Command3_Click()
{
    goTo(WindowId::Examples);
}

void PracticeWindow::Command4_Click()
{
    goTo(WindowId::Test);
}
