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
class PracticeWindow final : public Backdrop, public HostedWindow, public AnswerBoxWindow {
    Q_OBJECT
public:
    PracticeWindow(WindowHost &host, const PlatformServices &services);
    ~PracticeWindow() override;

    QWidget &widget() override { return *this; }
    /// The load sequence: sized to the screen, a new tally, new logs and a new clock; the
    /// sound choice and the background stay as they were.
    void load() override;
    /// The answer box takes the keyboard focus (the main window opens practice so).
    void focusAnswerBox() override;

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

    DesignStage *m_stage = nullptr;                // the design screen, scaled into the window
    SurfaceView *m_problemBoard = nullptr;         // Pic1: the problem, written out
    QLabel *m_problemHand = nullptr;               // Pic3: the hand writing the problem
    CaptionFrame *m_solutionFrame = nullptr;       // Frame5: "解答提示"
    SurfaceView *m_solutionBoard = nullptr;        // Pic2: the solution, written out
    QLabel *m_solutionHand = nullptr;              // Pic4: the hand writing the solution
    CaptionLabel *m_answerPrompt = nullptr;        // Label9
    QLineEdit *m_answerBox = nullptr;              // Text1
    CaptionLabel *m_enterHint = nullptr;           // Label15
    CaptionLabel *m_verdictMark = nullptr;         // Label10: √ or ×
    CaptionLabel *m_inputHint = nullptr;           // below the answer box
    QLabel *m_smile = nullptr;                     // Image1
    QLabel *m_frown = nullptr;                     // Image2
    CaptionLabel *m_doneLabel = nullptr;           // Label11: "做题数："
    CaptionLabel *m_rightLabel = nullptr;          // Label12: "对题数："
    CaptionLabel *m_rateLabel = nullptr;           // Label14: "对题率："
    CaptionLabel *m_verdictLogTitle = nullptr;     // Label1
    QPlainTextEdit *m_verdictLog = nullptr;        // Text4
    CaptionLabel *m_problemLogTitle = nullptr;     // Label2
    QPlainTextEdit *m_problemLog = nullptr;        // Text3
    QWidget *m_settingsPanel = nullptr;            // Frame1
    std::array<CaptionFrame *, 3> m_panelFrames{}; // Frame3, Frame4, Frame2
    std::array<CaptionLabel *, 4> m_swatches{};    // Label6, Label5, Label7, Label8
    CaptionLabel *m_clockLabel = nullptr;          // Label3
    QRadioButton *m_soundOn = nullptr;             // Option3
    QRadioButton *m_soundOff = nullptr;            // Option4
    QPushButton *m_nextButton = nullptr;           // Command1
    std::array<QPushButton *, 3> m_navigation{};   // Command2, Command3, Command4
    PreciseTimer *m_clockTimer = nullptr;          // Timer1
    PreciseTimer *m_problemTimer = nullptr;        // Timer2
    PreciseTimer *m_solutionTimer = nullptr;       // Timer3

    // The logs as last shown, so that new lines are appended rather than the box refilled.
    QString m_shownProblemLog;
    QString m_shownVerdictLog;
};
