// SPDX-License-Identifier: GPL-3.0-or-later
#include "testlayout.h"

TestLayout TestLayoutFor(double width, double height)
{
    const float w = float(width);
    const float h = float(height);
    TestLayout layout;
    const float upperRow = h / 1.4f;
    const float lowerRow = h / 1.3f;
    const float option1Left = w / 1.6f;
    const float option2Left = option1Left + 1400;
    layout.option1 = {option1Left, upperRow};
    layout.option2 = {option2Left, upperRow};
    layout.option3 = {w / 2.2f, lowerRow};
    layout.option7 = {option1Left, lowerRow};
    layout.option4 = {option2Left, lowerRow};
    // The way back keeps its designed place, right of the practice button.
    layout.option8 = {13000, lowerRow};
    layout.text1 = {w / 1.7f, h / 1.4f};
    layout.label4 = {1000, lowerRow + 50};
    layout.text3 = {3800, lowerRow + 50};
    layout.rightColumn = option2Left + 1600;
    layout.frame1Top = h / 1.6f;
    layout.frame4Top = h / 2;
    layout.label5Top = h / 3.5f;
    layout.label2Left = option1Left;
    layout.text2Left = option1Left + 1000;
    layout.label7Left = option1Left + 2000;
    return layout;
}
