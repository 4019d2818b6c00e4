// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "testsession.h"
#include "windowhost.h"

#include <QMainWindow>

#include <array>

class Backdrop;
class DesignStage;
class CaptionFrame;
class CaptionLabel;
class LatchingButtons;
class PreciseTimer;
class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct TestLayout;

/// The test window (Form5): the pupil composes a paper of ten problems drawn at random from
/// the chosen bank, types ten answers, hands the paper in for grading and may save it. A
/// clock shows the time spent, a smiling face bobs, and a switch turns the result sounds on.
///
/// Its two menu entries ask for the print preview and the page setup, which other windows
/// provide: connect printPreviewRequested() and pageSetupRequested(); they read the paper
/// through PaperText().
class TestWindow final : public QMainWindow, public HostedWindow {
    Q_OBJECT
public:
    /// paperFolder is where papers are saved unless the pupil names another folder:
    /// PaperStore::DocumentsFolder() in the program.
    TestWindow(WindowHost &host, const PlatformServices &services, const QString &paperFolder,
               QWidget *parent = nullptr);
    ~TestWindow() override;

    QWidget &widget() override { return *this; }
    /// The load sequence: size and place the controls, start afresh without a paper, with
    /// the clock at 0 and sound off, create the paper folder and start the timers.
    void load() override;

    /// The paper as it stands in the paper box, the pupil's edits included, each line ending
    /// in CR LF; empty while no paper has been composed.
    QString PaperText() const;
    const TestSession &session() const { return m_session; }
    const TestPaper &paper() const { return m_session.paper(); }
    const ResultSounds &sounds() const { return m_session.sounds(); }
    const TestClock &clock() const { return m_session.clock(); }
    const SmileyBob &smiley() const { return m_session.smiley(); }

    /// What went wrong in row k (0 … 9) after the hand-in: shown when its mark is pointed at
    /// or its answer box is focused; empty when the row has no explanation.
    QString rowExplanation(int k) const;

    // Event handlers, one per control event.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    /// A key typed in answer box index: Enter (13) moves on to the next box.
    void Text2_KeyPress(int index, int keyAscii);
    void Timer1_Timer();
    void Timer2_Timer();
    void dayinyulan_Click();
    void yemianshezhi_Click();

Q_SIGNALS:
    /// "打印预览": show the print preview of PaperText(), beside this window.
    void printPreviewRequested();
    /// "页面设置": show the print settings, beside this window.
    void pageSetupRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    /// An answer box that gains focus after the hand-in shows its row's explanation.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void buildPaperArea(QWidget &page);
    void buildAnswerRows(QWidget &page);
    void buildActionButtons(QWidget &page);
    void buildSavePath(QWidget &page);
    void buildRightColumn(QWidget &page);
    void buildSoundFrame(QWidget &page);
    void connectControls();
    /// Places the controls on the design screen, at the window's scale.
    void placeControls();
    void placeControls(const TestLayout &layout);
    void placeRightColumn(const TestLayout &layout);
    void resetControls();
    void releaseButtons(QButtonGroup &group);
    void clearAnswers();
    /// Copies what the session says onto the controls.
    void showSession();
    /// Row k's mark, right answer and explanation.
    void showRow(int k);
    void showExplanation(int k, const QString &explanation);
    void setTimersEnabled(bool enabled);
    QStringList answers() const;
    void goTo(WindowId next);

    WindowHost &m_host;
    TestSession m_session;

    Backdrop *m_page = nullptr;
    DesignStage *m_stage = nullptr;       // the design screen, scaled into the window
    QPlainTextEdit *m_paperBox = nullptr; // Text1
    std::array<CaptionLabel *, PaperProblems> m_rowLabels{};    // Label2(0) … Label2(9)
    std::array<QLineEdit *, PaperProblems> m_answerBoxes{};     // Text2(0) … Text2(9)
    std::array<CaptionLabel *, PaperProblems> m_marks{};        // Label7(0) … Label7(9)
    std::array<CaptionLabel *, PaperProblems> m_rightAnswers{}; // under each wrong row
    CaptionLabel *m_inputHint = nullptr;                        // below the marks
    LatchingButtons *m_actions = nullptr;
    QPushButton *m_composeButton = nullptr;  // Option1
    QPushButton *m_handInButton = nullptr;   // Option2
    QPushButton *m_saveButton = nullptr;     // Option3
    QPushButton *m_practiceButton = nullptr; // Option4
    QPushButton *m_examplesButton = nullptr; // Option7
    QPushButton *m_backButton = nullptr;     // Option8
    CaptionLabel *m_pathLabel = nullptr;     // Label4
    QLineEdit *m_pathBox = nullptr;          // Text3
    CaptionFrame *m_clockFrame = nullptr;    // Frame4
    CaptionLabel *m_clockLabel = nullptr;    // Label6
    CaptionFrame *m_soundFrame = nullptr;    // Frame1
    QButtonGroup *m_soundSwitch = nullptr;
    QRadioButton *m_soundOn = nullptr;     // Option5
    QRadioButton *m_soundOff = nullptr;    // Option6
    CaptionLabel *m_resultWord = nullptr;  // Label5
    CaptionLabel *m_scoreLabel = nullptr;  // Label1
    QLabel *m_smile = nullptr;             // Im1
    QLabel *m_frown = nullptr;             // Im2
    PreciseTimer *m_clockTimer = nullptr;  // Timer1
    PreciseTimer *m_smileyTimer = nullptr; // Timer2
    double m_smileyLeft = 0;               // twips
};
