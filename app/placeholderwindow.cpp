// SPDX-License-Identifier: GPL-3.0-or-later
#include "placeholderwindow.h"

#include "controls.h"
#include "fonts.h"
#include "pictures.h"
#include "units.h"

#include <QPushButton>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

namespace {

QPushButton *makeButton(QWidget &window, const PlaceholderDesign::Button &design)
{
    auto *button = new QPushButton(design.caption, &window);
    button->setObjectName(design.name);
    SetAccessibleCaption(*button, design.caption);
    button->setFont(Fonts::designFont(u"宋体"_s, 10.5));
    button->setCursor(Pictures::handCursor());
    button->setStyleSheet(u"QPushButton { background: #ff8000; color: #000000; border: 1px solid "
                          u"#b05000; border-radius: 3px; } QPushButton:pressed { background: "
                          u"#e07000; }"_s);
    return button;
}

} // namespace

PlaceholderWindow::PlaceholderWindow(WindowHost &host, const PlaceholderDesign &design)
    : m_host(host), m_design(design)
{
    setObjectName(design.name);
    setWindowTitle(design.caption);
    setBackColor(colorFromBgr(design.backColor));
    const TwipScale scale = TwipScale::of(*this);
    auto *heading = new CaptionLabel(u"Heading"_s, this);
    heading->setFont(Fonts::designFont(u"华文新魏"_s, 36));
    heading->setTextColor(colorFromBgr(Bgr::Red));
    heading->setCaption(design.heading);
    heading->adjustSize();
    heading->move(scale.toPixels(3000), scale.toPixels(2000));
    auto *note = new CaptionLabel(u"Note"_s, this);
    note->setFont(Fonts::designFont(u"宋体"_s, 15.75));
    note->setTextColor(colorFromBgr(Bgr::Red));
    note->setCaption(u"这一部分正在制作中，请先选择别的学习方式。"_s);
    note->adjustSize();
    note->move(scale.toPixels(3000), heading->geometry().bottom() + scale.toPixels(400));
    for (const PlaceholderDesign::Button &button : design.buttons) {
        QPushButton *control = makeButton(*this, button);
        connect(control, &QPushButton::clicked, this,
                [this, target = button.target] { m_host.handOver(this, target); });
        m_buttons.append(control);
    }
}

void PlaceholderWindow::load()
{
    const QRect screenArea = screen()->geometry();
    resize(screenArea.size());
    move(screenArea.topLeft());
    setWindowState(windowState() | Qt::WindowMaximized);
    setPicture(m_design.picture);
    const TwipScale scale = TwipScale::of(*this);
    const double width = scale.toTwips(screenArea.width());
    const double height = scale.toTwips(screenArea.height());
    // Left to right: the two other learning windows, then the way back.
    double left = width - 6000;
    for (qsizetype i = m_buttons.size() - 1; i >= 0; --i) {
        m_buttons[i]->setGeometry(scale.toPixels(left), scale.toPixels(height - 2000),
                                  scale.toPixels(1455), scale.toPixels(495));
        left += 1600;
    }
}

PlaceholderDesign ExamplesPlaceholder()
{
    return {u"Form3"_s,
            u"Lumaro    例题分析  "_s,
            u"例题分析"_s,
            0x00FFC0C0,
            QString(),
            {{u"Command2"_s, u"返 回"_s, WindowId::Main},
             {u"Command4"_s, u"进入测试"_s, WindowId::Test},
             {u"Command3"_s, u"进入练习"_s, WindowId::Practice}}};
}

PlaceholderDesign PracticePlaceholder()
{
    return {u"Form4"_s,
            u"Lumaro    应用题练习"_s,
            u"应用题练习"_s,
            0x00C0FFC0,
            u":/art/practice-background.svg"_s,
            {{u"Command2"_s, u"返 回"_s, WindowId::Main},
             {u"Command4"_s, u"进入测试"_s, WindowId::Test},
             {u"Command3"_s, u"进入例题"_s, WindowId::Examples}}};
}

PlaceholderDesign TestPlaceholder()
{
    return {u"Form5"_s,
            u"Lumaro    应用题测试 "_s,
            u"应用题测试"_s,
            0x00FFC0C0,
            u":/art/test-background.svg"_s,
            {{u"Option8"_s, u"返  回"_s, WindowId::Main},
             {u"Option4"_s, u"进入练习"_s, WindowId::Practice},
             {u"Option7"_s, u"进入例题"_s, WindowId::Examples}}};
}
