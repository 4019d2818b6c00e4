// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printsettings.h"

#include <QWidget>

#include <array>

class CaptionLabel;
class DesignStage;
class QComboBox;
class QLineEdit;

/// The print settings window (Form7): the font, the font size, the four margins and the
/// number of copies, each the text of an editable box. The values live as long as the
/// program runs; the page layout reads them as texts each time it draws.
class PrintSettingsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit PrintSettingsWindow(QWidget *parent = nullptr);

    /// "页面设置": shows the window, modeless, with the values last entered.
    void open();
    /// The current texts of the seven boxes.
    PrintSettings settings() const;

    /// "确定": hides the window; the values stay for the next reading and opening.
    void Label9_Click();
    /// The pointer over "确定" turns it yellow, over the window's background red again.
    void Label9_MouseMove();
    void Form_MouseMove();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildCaptions();
    QComboBox *addBox(const QString &name, const QStringList &choices, const QString &value);
    void placeControls();
    /// Sizes the window to its share of the screen it is on.
    void fitToScreen();

    DesignStage *m_stage = nullptr;             // the window as designed, scaled into it
    std::array<CaptionLabel *, 8> m_captions{}; // Label1 … Label8
    QComboBox *m_fontName = nullptr;
    QComboBox *m_fontSize = nullptr;
    QComboBox *m_top = nullptr;
    QComboBox *m_bottom = nullptr;
    QComboBox *m_left = nullptr;
    QComboBox *m_right = nullptr;
    QLineEdit *m_copies = nullptr;
    CaptionLabel *m_ok = nullptr;
};
