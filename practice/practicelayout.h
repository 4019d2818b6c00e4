// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

/// Where the practice window's controls go, in twips, for a window of the screen's size.
/// A width or height of 0 means the control takes the size its text needs.
struct PracticeLayout {
    QRectF pic1;   ///< the problem box
    QRectF frame5; ///< the answer-hint panel
    QRectF pic2;   ///< the solution box, inside frame5
    QRectF label9; ///< the answer prompt
    QRectF text1;  ///< the answer box
    QRectF label15;
    QRectF label10;   ///< the verdict mark
    QRectF inputHint; ///< how to type the answer, between the problem box and the answer box
    QRectF faces;     ///< Image1 and Image2
    QRectF label11, label12, label14;
    QRectF label1; ///< above the verdict log
    QRectF text4;  ///< the verdict log
    QRectF label2; ///< above the problem log
    QRectF text3;  ///< the problem log
    QRectF frame1; ///< the settings panel
    QRectF command1, command2, command3, command4;
};

/// The settings panel's own parts, in twips inside it, from top to bottom.
struct SettingsPanelLayout {
    QRectF frame3;           ///< background choice
    QRectF swatches[4];      ///< Label6, Label5, Label7, Label8 inside frame3
    QRectF frame4;           ///< practice time
    QRectF label3;           ///< the clock, inside frame4
    QRectF frame2;           ///< sound switch
    QRectF option3, option4; ///< inside frame2
};

/// The layout of a window width × height twips (15360 × 11520 on a 1024 × 768 screen).
PracticeLayout PracticeLayoutFor(double width, double height);

/// The settings panel as designed.
SettingsPanelLayout SettingsPanel();
