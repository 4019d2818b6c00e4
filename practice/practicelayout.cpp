// SPDX-License-Identifier: GPL-3.0-or-later
#include "practicelayout.h"

namespace {

constexpr double ButtonWidth = 1455;
constexpr double BackButtonWidth = 1095;
constexpr double ButtonHeight = 495;
constexpr double AnswerBoxHeight = 450;
constexpr double FaceSide = 480;
constexpr double PanelWidth = 3455;
constexpr double PanelHeight = 3855;
// The solution box sits in its panel below the caption.
constexpr double Pic2Left = 50;
constexpr double Pic2Top = 300;

} // namespace

PracticeLayout PracticeLayoutFor(double width, double height)
{
    PracticeLayout layout;
    layout.pic1 = QRectF(240, 240, width / 2, height / 3.5);
    layout.frame5 = QRectF(width / 1.65, layout.pic1.top(), width / 2.7, layout.pic1.height());
    layout.pic2 = QRectF(Pic2Left, Pic2Top, layout.frame5.width() - 100,
                         layout.frame5.height() - Pic2Top - 50);

    const double logHeight = height / 2.5;
    layout.text3 = QRectF(width / 6, height - logHeight - 1300, width / 1.8, logHeight);
    layout.text4 = QRectF(300, layout.text3.top(), width / 7, logHeight);
    layout.label1 = QRectF(600, height / 2.3, 0, 0);
    layout.label2 = QRectF(5640, height / 2.3, 0, 0);

    const double answerTop = height / 3;
    layout.label9 = QRectF(layout.text4.left() + 600, answerTop, 0, 0);
    layout.text1 = QRectF(2400, answerTop, layout.pic1.width() / 1.5, AnswerBoxHeight);
    layout.label15 = QRectF(2280, height / 2.5, 0, 0);
    layout.label10 = QRectF(width / 2, layout.text1.top(), 0, 0);
    layout.inputHint = QRectF(layout.text1.left(), layout.pic1.bottom() + 45, 0, 0);

    const double tallyLeft = layout.frame5.left() - 1000;
    layout.faces = QRectF(tallyLeft, 2400, FaceSide, FaceSide);
    layout.label11 = QRectF(tallyLeft, height / 3, 0, 0);
    layout.label12 = QRectF(tallyLeft, height / 3 + 500, 0, 0);
    layout.label14 = QRectF(tallyLeft, height / 3 + 1000, 0, 0);

    const double firstColumn = width - 4000;
    const double secondColumn = width - 2000;
    layout.command1 = QRectF(firstColumn, height - 2800, ButtonWidth, ButtonHeight);
    layout.command2 = QRectF(secondColumn, height - 2800, BackButtonWidth, ButtonHeight);
    layout.command3 = QRectF(firstColumn, height - 2000, ButtonWidth, ButtonHeight);
    layout.command4 = QRectF(secondColumn, height - 2000, ButtonWidth, ButtonHeight);
    layout.frame1 = QRectF(firstColumn, height - PanelHeight - 3500, PanelWidth, PanelHeight);
    return layout;
}

SettingsPanelLayout SettingsPanel()
{
    SettingsPanelLayout panel;
    panel.frame3 = QRectF(0, 0, PanelWidth, 1215);
    // Four swatches of 375 × 615, evenly spaced.
    const double gap = (PanelWidth - 4 * 375) / 5;
    for (int i = 0; i < 4; ++i)
        panel.swatches[i] = QRectF(gap + i * (375 + gap), 420, 375, 615);
    panel.frame4 = QRectF(0, 1335, PanelWidth, 1200);
    panel.label3 = QRectF(300, 480, PanelWidth - 600, 600);
    panel.frame2 = QRectF(0, 2655, PanelWidth, 1200);
    panel.option3 = QRectF(400, 480, 1100, 480);
    panel.option4 = QRectF(1955, 480, 1100, 480);
    return panel;
}
