// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "examplelesson.h"
#include "textsurface.h"
#include "windowhost.h"

#include <QWidget>

#include <array>

class DesignStage;
class PreciseTimer;
class QLabel;
class QPushButton;
class SurfaceView;

/// The worked-examples window (Form3): the records of the chosen bank written out on a board
/// one character at a time, problem and then solution, while each example's narration plays.
/// From here the pupil goes back to the main window, or on to practice or the test.
class ExamplesWindow final : public QWidget, public HostedWindow {
    Q_OBJECT
public:
    ExamplesWindow(WindowHost &host, const PlatformServices &services);
    ~ExamplesWindow() override;

    QWidget &widget() override { return *this; }
    /// The load sequence: an empty board, the first record next, the window over the whole
    /// screen with its buttons at the bottom right.
    void load() override;

    const ExampleLesson &lesson() const { return m_lesson; }
    const TextSurface &surface() const { return m_surface; }

    // Event handlers, one per control event.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Timer1_Timer();
    void Timer2_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QPushButton *makeButton(const QString &name, const QString &caption);
    void placeControls();
    void showMarker();
    void showLesson();
    void leaveFor(WindowId next);

    WindowHost &m_host;
    MessageBoxes &m_messages;
    TextSurface m_surface;
    ExampleLesson m_lesson;
    DesignStage *m_stage = nullptr;           // the design screen, scaled into the window
    SurfaceView *m_board = nullptr;           // the window's drawing area
    std::array<QPushButton *, 4> m_buttons{}; // Command1 … Command4
    QLabel *m_marker = nullptr;               // Image1
    PreciseTimer *m_problemTimer = nullptr;   // Timer1
    PreciseTimer *m_solutionTimer = nullptr;  // Timer2
};
