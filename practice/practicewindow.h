// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "backdrop.h"
#include "practicesession.h"
#include "windowhost.h"

#include <array>

class CaptionFrame;
class CaptionLabel;
class DesignStage;
class PreciseTimer;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class SurfaceView;
struct PracticeLayout;

/// The practice window (Form4): the problems of the chosen type are written out one after
/// another, the pupil answers each with an expression or an equation, and a wrong answer
/// brings the worked solution. A tally, two logs, a clock, a sound switch and a choice of
/// background go with it. The logic lives in PracticeSession; this class wires it to the
/// controls and timers.
class PracticeWindow final : public Backdrop, public HostedWindow {
    Q_OBJECT
public:
    PracticeWindow(WindowHost &host, const PlatformServices &services);
    ~PracticeWindow() override;

    QWidget &widget() override { return *this; }
    /// The load sequence: sized to the screen, a new tally, new logs and a new clock; the
    /// sound choice and the background stay as they were.
    void load() override;

    const PracticeSession &session() const { return m_session; }

    // Event handlers, one per control event.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    /// keyAscii 13 (Enter) submits the answer; other keys only type.
    void Text1_KeyPress(int keyAscii);
    void Text3_MouseDown(Qt::MouseButton button);
    void Option3_Click();
    void Option4_Click();
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    /// The controls follow the window's own area, which the desktop may make a little
    /// smaller than the screen (a title bar, a panel), so no control ever falls off it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusNextStepWhenReady();
    // Building and placing the controls (practicewindowdesign.cpp).
    void buildControls();
    void buildProblemArea();
    void buildAnswerArea();
    void buildTally();
    void buildLogs();
    void buildSettingsPanel();
    void buildButtons();
    void placeControls(const PracticeLayout &layout);
    void placeControls();
    void placeSettingsPanel();

    void showSession();
    void showHands();
    void showLogs();
    void chooseBackground(quint32 bgr);
    void goTo(WindowId next);

    WindowHost &m_host;
    PracticeSession m_session;

    DesignStage *m_stage = nullptr; // the design screen, scaled into the window
    SurfaceView *m_pic1 = nullptr;
    QLabel *m_pic3 = nullptr;
    CaptionFrame *m_frame5 = nullptr;
    SurfaceView *m_pic2 = nullptr;
    QLabel *m_pic4 = nullptr;
    CaptionLabel *m_label9 = nullptr;
    QLineEdit *m_text1 = nullptr;
    CaptionLabel *m_label15 = nullptr;
    CaptionLabel *m_label10 = nullptr;
    CaptionLabel *m_inputHint = nullptr;
    QLabel *m_image1 = nullptr;
    QLabel *m_image2 = nullptr;
    CaptionLabel *m_label11 = nullptr;
    CaptionLabel *m_label12 = nullptr;
    CaptionLabel *m_label14 = nullptr;
    CaptionLabel *m_label1 = nullptr;
    QPlainTextEdit *m_text4 = nullptr;
    CaptionLabel *m_label2 = nullptr;
    QPlainTextEdit *m_text3 = nullptr;
    QWidget *m_frame1 = nullptr;
    std::array<CaptionFrame *, 3> m_panelFrames{}; // Frame3, Frame4, Frame2
    std::array<CaptionLabel *, 4> m_swatches{};    // Label6, Label5, Label7, Label8
    CaptionLabel *m_label3 = nullptr;
    QRadioButton *m_option3 = nullptr;
    QRadioButton *m_option4 = nullptr;
    QPushButton *m_command1 = nullptr;
    std::array<QPushButton *, 3> m_navigation{}; // Command2, Command3, Command4
    PreciseTimer *m_timer1 = nullptr;
    PreciseTimer *m_timer2 = nullptr;
    PreciseTimer *m_timer3 = nullptr;

    // The logs as last shown, so that new lines are appended rather than the box refilled.
    QString m_shownProblemLog;
    QString m_shownVerdictLog;
};
