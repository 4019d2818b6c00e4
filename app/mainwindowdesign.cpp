// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls as designed: captions, fonts, colours, and their places.
#include "mainwindow.h"

#include "actionlabel.h"
#include "backdrop.h"
#include "controls.h"
#include "designscreen.h"
#include "fonts.h"
#include "keyboard.h"
#include "lumaroversion.h"
#include "pictures.h"
#include "placement.h"
#include "precisetimer.h"
#include "units.h"

#include <QMenuBar>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr quint32 FormBackColor = 0x00FF8080;
constexpr quint32 FrameBackColor = 0x00C0E0FF;
constexpr quint32 FormulaGreen = 0x0000C000;

/// The decorative shape behind the purpose text.
class DecorShape final : public QWidget {
public:
    explicit DecorShape(QWidget *parent) : QWidget(parent)
    {
        setObjectName(u"Shape1"_s);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colorFromBgr(Bgr::Orange), 2));
        painter.setBrush(QColor(255, 255, 255, 170));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 12, 12);
    }
};

template <class Label = CaptionLabel>
Label *makeLabel(QWidget &parent, const QString &name, const QString &caption, const QFont &font,
                 const QColor &color)
{
    auto *label = new Label(name, &parent);
    label->setFont(font);
    label->setTextColor(color);
    label->setCaption(caption);
    return label;
}

QLabel *makeImage(QWidget &parent, const QString &name, const QString &picture)
{
    auto *image = new PictureLabel(name, picture, &parent);
    image->setAccessibleName(u"标题图画"_s);
    return image;
}

void place(QWidget &control, double left, double top, double width, double height)
{
    Placement::place(control, QRectF(left, top, width, height));
}

void placeAutoSized(QLabel &label, double left, double top, const QString &longestText)
{
    Placement::placeForText(label, QPointF(left, top), longestText);
}

} // namespace

void MainWindow::buildControls()
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Lumaro  版本（v" LUMARO_VERSION u"）  "_s);
    m_page = new Backdrop(this);
    m_page->setBackColor(colorFromBgr(FormBackColor));
    m_page->setPicture(u":/art/main-background.svg"_s);
    setCentralWidget(m_page);
    m_stage = new DesignStage(*m_page);
    connect(m_stage, &DesignStage::rescaled, this, &MainWindow::placeControls);
    buildMenu();
    buildTitleBlock(*m_stage);
    buildContentFrame(*m_stage);
    buildModeFrame(*m_stage);

    m_mottoTimer = new PreciseTimer(u"Timer2"_s, 50, this);
    m_musicTimer = new PreciseTimer(u"Timer3"_s, 1000, this);
    m_blinkTimer = new PreciseTimer(u"Timer4"_s, 500, this);
    connect(m_mottoTimer, &PreciseTimer::ticked, this, &MainWindow::Timer2_Timer);
    connect(m_musicTimer, &PreciseTimer::ticked, this, &MainWindow::Timer3_Timer);
    connect(m_blinkTimer, &PreciseTimer::ticked, this, &MainWindow::Timer4_Timer);
    // The motto and the music sleep through the ticks that change nothing.
    m_mottoTimer->setTicksUntilChange([this] { return m_logic.mottoTicksUntilChange(); });
    m_musicTimer->setTicksUntilChange([this] { return m_logic.musicTicksUntilPlay(); });
}

void MainWindow::buildMenu()
{
    QAction *instructions = menuBar()->addAction(u"使用说明"_s);
    instructions->setObjectName(u"shiyongshuoming"_s);
    QAction *feedback = menuBar()->addAction(u"问题反馈"_s);
    feedback->setObjectName(u"wentifankui"_s);
    QAction *exit = menuBar()->addAction(u"退出"_s);
    exit->setObjectName(u"tuichu"_s);
    connect(instructions, &QAction::triggered, this, &MainWindow::shiyongshuoming_Click);
    connect(feedback, &QAction::triggered, this, &MainWindow::wentifankui_Click);
    connect(exit, &QAction::triggered, this, &MainWindow::tuichu_Click);
}

void MainWindow::buildTitleBlock(QWidget &page)
{
    m_shape = new DecorShape(&page);
    m_title = makeLabel(page, u"Label1"_s, u"Orvik Method"_s, Fonts::designFont(u"隶书"_s, 36),
                        RedColor());
    m_subtitle = makeLabel(page, u"Label12"_s, u"（供小学四年级至初中学生使用）"_s,
                           Fonts::designFont(u"新宋体"_s, 10.5, true), RedColor());
    m_formulas = makeLabel(page, u"Label13"_s, u"x+a=b     a+b+c=?"_s,
                           Fonts::designFont(u"楷体_GB2312"_s, 21.75, true, true),
                           colorFromBgr(FormulaGreen));
    m_purpose =
        makeLabel(page, u"Label15"_s,
                  u"应用题是大部分学生感到比较难的内容，为了帮助学生突破这道难关，我们特编写了这个"
                  u"软件希望能帮您掌握这部分知识。"_s,
                  Fonts::designFont(u"宋体"_s, 10.5), RedColor());
    m_purpose->setWordWrap(true);
    m_image1 = makeImage(page, u"Image1"_s, u":/art/title-picture-1.svg"_s);
    m_image2 = makeImage(page, u"Image2"_s, u":/art/title-picture-2.svg"_s);
    m_motto = makeLabel(page, u"Label14"_s, QString(),
                        Fonts::designFont(u"华文新魏"_s, 26.25, true), RedColor());
    m_credit = makeLabel(page, u"Label3"_s, u"Lumaro 制作组"_s,
                         Fonts::designFont(u"华文新魏"_s, 12), RedColor());
}

CaptionLabel *MainWindow::makeChoiceLabel(QWidget &frame, const QString &name,
                                          const QString &caption, QRectF place, double points)
{
    CaptionLabel *label = makeLabel<ActionLabel>(
        frame, name, caption, Fonts::designFont(u"隶书"_s, points, true), RedColor());
    label->setBackColor(frame.palette().color(QPalette::Base));
    SetHandCursor(*label);
    m_choicePlaces.append({label, place});
    return label;
}

void MainWindow::buildContentFrame(QWidget &page)
{
    m_contentFrame = new CaptionFrame(u"Frame1"_s, u" 选择学习内容 "_s, &page);
    m_contentFrame->setBackColor(colorFromBgr(FrameBackColor));
    m_contentFrame->setCaptionColor(RedColor());
    m_contentFrame->setFont(Fonts::designFont(u"新宋体"_s, 14.25));
    // Left, top and width in twips; the height follows the font.
    auto at = [](double top) { return QRectF(480, top, 1815, 0); };
    m_contentLabels.append(
        makeChoiceLabel(*m_contentFrame, u"Label2"_s, u"基本思想"_s, at(480), 15.75));
    const double tops[] = {1080, 1680, 2160, 2640, 3120};
    for (const ProblemType &type : ProblemTypes()) {
        CaptionLabel *label = makeChoiceLabel(*m_contentFrame, type.labelName, type.caption,
                                              at(tops[type.number - 1]), 15.75);
        connect(label, &CaptionLabel::clicked, this,
                [this, number = type.number] { TypeLabel_Click(number); });
        m_contentLabels.append(label);
    }
    connect(m_contentLabels.first(), &CaptionLabel::clicked, this, &MainWindow::Label2_Click);
    auto *arrows = new ArrowKeyFocus(m_contentFrame);
    for (CaptionLabel *label : m_contentLabels)
        arrows->add(label);
}

void MainWindow::buildModeFrame(QWidget &page)
{
    m_modeFrame = new CaptionFrame(u"Frame2"_s, u" 选择学习方式"_s, &page);
    m_modeFrame->setBackColor(colorFromBgr(FrameBackColor));
    m_modeFrame->setCaptionColor(RedColor());
    m_modeFrame->setFont(Fonts::designFont(u"新宋体"_s, 12));
    auto add = [&](const QString &name, const QString &caption, double top,
                   void (MainWindow::*handler)()) {
        // Centred in the frame.
        const QRectF place(427, top, 1200, 0);
        CaptionLabel *label = makeChoiceLabel(*m_modeFrame, name, caption, place, 21.75);
        connect(label, &CaptionLabel::clicked, this, handler);
        m_modeLabels.append(label);
    };
    add(u"Label9"_s, u"例题"_s, 600, &MainWindow::Label9_Click);
    add(u"Label10"_s, u"练习"_s, 1320, &MainWindow::Label10_Click);
    add(u"Label11"_s, u"测试"_s, 2040, &MainWindow::Label11_Click);
    add(u"Label16"_s, u"返回"_s, 2760, &MainWindow::Label16_Click);
    auto *arrows = new ArrowKeyFocus(m_modeFrame);
    for (CaptionLabel *label : m_modeLabels)
        arrows->add(label);
}

void MainWindow::placeControls()
{
    const MainLayout layout = MainLayoutFor(DesignScreen::WidthTwips, DesignScreen::HeightTwips);
    place(*m_title, layout.label1Left, 3000, Label1Width, 720);
    placeAutoSized(*m_subtitle, layout.label12Left, 4920, m_subtitle->text());
    placeAutoSized(*m_formulas, 5400, 5640, m_formulas->text());
    place(*m_purpose, 1440, layout.label15Top, 2055, 1335);
    // The shape frames the purpose text, whatever height the text needs.
    const double purposeHeight = TwipScale::of(*m_purpose).toTwips(m_purpose->height());
    place(*m_shape, 1200, layout.shape1Top, 2535, purposeHeight + 400);
    place(*m_image1, 5520, layout.imageTop, 1200, 1200);
    place(*m_image2, 5520, layout.imageTop, 1200, 1200);
    placeMotto();
    placeAutoSized(*m_credit, 5400, layout.label3Top, m_credit->text());
    place(*m_contentFrame, layout.frameLeft, layout.frameTop, 2775, 4095);
    place(*m_modeFrame, layout.frameLeft, layout.frameTop, 2055, 3375);
    // The hidden frame's choices are placed when it shows: their face is not needed before.
    placeChoices(shownChoices());
}

/// The motto is empty until its first tick, after the window first shows: it is measured then,
/// so the start does not load its large brush face for a caption nobody sees yet.
void MainWindow::placeMotto()
{
    const MainLayout layout = MainLayoutFor(DesignScreen::WidthTwips, DesignScreen::HeightTwips);
    if (m_motto->text().isEmpty()) {
        m_motto->setGeometry(Placement::pixels(*m_motto, QRectF(layout.label14Left, 1200, 0, 0)));
        return;
    }
    placeAutoSized(*m_motto, layout.label14Left, 1200, MainWindowLogic::FirstMotto);
}

void MainWindow::placeChoices(const QList<CaptionLabel *> &choices)
{
    for (const ChoicePlace &choice : m_choicePlaces) {
        if (choices.contains(choice.label))
            place(*choice.label, choice.place.x(), choice.place.y(), choice.place.width(), 0);
    }
}
