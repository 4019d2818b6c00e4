// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "backdrop.h"
#include "knowledgereveal.h"

#include <array>

class CaptionLabel;
class DesignStage;
class PreciseTimer;

/// The basic-knowledge window (Form10): writes the method the program teaches onto a board,
/// one character per tick. It opens on top of the main window and closes with a click.
class KnowledgeWindow final : public Backdrop {
    Q_OBJECT
public:
    explicit KnowledgeWindow(QWidget *parent = nullptr);
    ~KnowledgeWindow() override;

    /// Loads and shows the window; if it is open already, only brings it to the front.
    void open();
    /// The load sequence: empty texts, the reveal from its start, the timer running.
    void load();

    const KnowledgeReveal &reveal() const { return m_reveal; }
    /// Timer1, every 100 ms: the next character of each passage being written.
    void Timer1_Timer();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLabels();
    void placeLabels();
    /// Sizes the page to its share of the screen it is on.
    void fitToScreen();

    KnowledgeReveal m_reveal;
    DesignStage *m_stage = nullptr; // the page as designed, scaled into the window
    std::array<CaptionLabel *, 5> m_labels{};
    PreciseTimer *m_timer = nullptr;
};
