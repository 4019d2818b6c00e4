// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainlogic.h"
#include "windowhost.h"

#include <QList>
#include <QMainWindow>
#include <QRectF>

#include <memory>

class Backdrop;
class CaptionFrame;
class CaptionLabel;
class DesignStage;
class KnowledgeWindow;
class PreciseTimer;
class QLabel;

/// The main window (Form1): the full-screen title page and hub. The pupil chooses what to
/// learn (a problem type, or the basic-knowledge page), then how (examples, practice, test).
/// Its menu holds the instructions, the feedback message and the exit.
class MainWindow final : public QMainWindow, public HostedWindow {
    Q_OBJECT
public:
    MainWindow(WindowHost &host, ProgramSettings &settings, const PlatformServices &services);
    ~MainWindow() override;

    QWidget &widget() override { return *this; }
    /// The load sequence: size and place, request the display mode, reset the counters and
    /// the controls, start the timers, and make the single-instance check.
    void load() override;

    const MainWindowLogic &logic() const { return m_logic; }
    /// The basic-knowledge window, once it has been opened.
    KnowledgeWindow *knowledgeWindow() const { return m_knowledge.get(); }

    // Event handlers, one per control event.
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Label2_Click();
    void TypeLabel_Click(int type);
    void Label9_Click();
    void Label10_Click();
    void Label11_Click();
    void Label16_Click();
    void shiyongshuoming_Click();
    void wentifankui_Click();
    void tuichu_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void buildTitleBlock(QWidget &page);
    void buildContentFrame(QWidget &page);
    void buildModeFrame(QWidget &page);
    CaptionLabel *makeChoiceLabel(QWidget &frame, const QString &name, const QString &caption,
                                  QRectF place, double points);
    /// Places the controls on the design screen, at the window's scale.
    void placeControls();
    void placeChoices(const QList<CaptionLabel *> &choices);
    void placeMotto();
    const QList<CaptionLabel *> &shownChoices() const;
    void resetControls();
    void showStage();
    void focusStage(const QList<CaptionLabel *> &choices);
    void setTimersEnabled(bool enabled);
    void CheckExist();
    void ClickSound();
    void goTo(WindowId next);

    WindowHost &m_host;
    ProgramSettings &m_settings;
    PlatformServices m_services;
    MainWindowLogic m_logic;

    Backdrop *m_page = nullptr;
    DesignStage *m_stage = nullptr;     // the controls, on the design screen
    CaptionLabel *m_title = nullptr;    // Label1
    CaptionLabel *m_subtitle = nullptr; // Label12
    CaptionLabel *m_formulas = nullptr; // Label13
    CaptionLabel *m_credit = nullptr;   // Label3
    CaptionLabel *m_motto = nullptr;    // Label14
    CaptionLabel *m_purpose = nullptr;  // Label15
    QWidget *m_shape = nullptr;         // Shape1
    QLabel *m_image1 = nullptr;
    QLabel *m_image2 = nullptr;
    CaptionFrame *m_contentFrame = nullptr; // Frame1
    CaptionFrame *m_modeFrame = nullptr;    // Frame2
    QList<CaptionLabel *> m_contentLabels;  // Label2, Label4 … Label8
    QList<CaptionLabel *> m_modeLabels;     // Label9, Label10, Label11, Label16
    struct ChoicePlace {
        CaptionLabel *label;
        QRectF place; // twips, in its frame
    };
    QList<ChoicePlace> m_choicePlaces;
    PreciseTimer *m_mottoTimer = nullptr;         // Timer2
    PreciseTimer *m_musicTimer = nullptr;         // Timer3
    PreciseTimer *m_blinkTimer = nullptr;         // Timer4
    std::unique_ptr<KnowledgeWindow> m_knowledge; // Form10, a window of its own
};
