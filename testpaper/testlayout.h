// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>

/// Where the test window's load puts its controls, in twips, from the window's size. Each
/// value is worked out in single precision, as the window has always placed them.
struct TestLayout {
    QPointF option1; ///< 组  卷
    QPointF option2; ///< 交  卷
    QPointF option3; ///< 保存试卷
    QPointF option4; ///< 进入练习
    QPointF option7; ///< 进入例题
    QPointF option8; ///< 返  回
    QSizeF text1;    ///< the paper box; its corner stays at (120, 120)
    QPointF label4;
    QPointF text3;
    double rightColumn = 0; ///< left of the sound and clock frames, the result and score labels
    double frame1Top = 0;   ///< sound choice
    double frame4Top = 0;   ///< test time
    double label5Top = 0;   ///< motto and result word
    double label2Left = 0;  ///< the answer rows' labels
    double text2Left = 0;   ///< answer boxes
    double label7Left = 0;  ///< marks
};

/// Top of answer row k (0 … 9): the rows keep their designed places.
inline constexpr double AnswerRowTop(int k)
{
    return 240 + 720 * k;
}

TestLayout TestLayoutFor(double width, double height);
