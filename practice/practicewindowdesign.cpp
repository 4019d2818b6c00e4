// SPDX-License-Identifier: GPL-3.0-or-later
// The practice window's controls as designed: captions, fonts, colours, and their places.
#include "practicewindow.h"

#include "actionlabel.h"
#include "controls.h"
#include "designscreen.h"
#include "fonts.h"
#include "keyboard.h"
#include "pictures.h"
#include "placement.h"
#include "practicelayout.h"
#include "precisetimer.h"
#include "surfaceview.h"
#include "units.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr quint32 Blue = 0x00FF0000;
constexpr quint32 Cyan = 0x00FFFF00;
constexpr quint32 LightGreen = 0x00C0FFC0;
constexpr double PictureSide = 480; // the writing hands and the faces

QString cssColor(quint32 bgr)
{
    return colorFromBgr(bgr).name();
}

CaptionLabel *makeLabel(QWidget &parent, const QString &name, const QString &caption, double points)
{
    auto *label = new CaptionLabel(name, &parent);
    label->setFont(Fonts::designFont(u"宋体"_s, points));
    label->setTextColor(RedColor());
    label->setCaption(caption);
    return label;
}

CaptionFrame *makeFrame(QWidget &parent, const QString &name, const QString &caption, double points,
                        quint32 backColor)
{
    auto *frame = new CaptionFrame(name, caption, &parent);
    frame->setFont(Fonts::designFont(u"宋体"_s, points));
    frame->setCaptionColor(RedColor());
    frame->setBackColor(colorFromBgr(backColor));
    return frame;
}

QLabel *makePicture(QWidget &parent, const QString &name, const QString &picture)
{
    auto *image = new PictureLabel(name, picture, &parent);
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    image->hide();
    return image;
}

void resizeToPicture(QWidget &image)
{
    image.resize(Placement::pixels(image, QRectF(0, 0, PictureSide, PictureSide)).size());
}

QPlainTextEdit *makeLog(QWidget &parent, const QString &name, const QString &accessibleName)
{
    auto *log = new QPlainTextEdit(&parent);
    log->setObjectName(name);
    log->setAccessibleName(accessibleName);
    log->setReadOnly(true);
    log->setFont(Fonts::designFont(u"宋体"_s, 10.5));
    log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return log;
}

QPushButton *makeButton(QWidget &parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, &parent);
    button->setObjectName(name);
    SetAccessibleCaption(*button, caption);
    button->setFont(Fonts::designFont(u"宋体"_s, 10.5));
    SetHandCursor(*button);
    button->setFocusPolicy(Qt::TabFocus);
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    button->setStyleSheet(OrangeButtonStyle());
    return button;
}

QRadioButton *makeOption(QWidget &parent, const QString &name, const QString &caption,
                         quint32 backColor)
{
    auto *option = new QRadioButton(caption, &parent);
    option->setObjectName(name);
    option->setFont(Fonts::designFont(u"宋体"_s, 12));
    SetHandCursor(*option);
    option->setStyleSheet(u"QRadioButton { background: %1; color: %2; padding-left: 4px; }"_s.arg(
                              cssColor(backColor), RedColor().name()) +
                          ButtonFocusStyle());
    return option;
}

void place(QWidget &control, const QRectF &twips)
{
    Placement::place(control, twips);
}

} // namespace

void PracticeWindow::buildControls()
{
    setObjectName(u"Form4"_s);
    setWindowTitle(u"Lumaro    应用题练习"_s);
    setWindowIcon(QIcon(u":/art/app-icon.svg"_s));
    // A pale green stands in should the lotus picture be missing.
    setBackColor(colorFromBgr(LightGreen));
    setPicture(u":/art/practice-background.svg"_s);
    m_stage = new DesignStage(*this);
    connect(m_stage, &DesignStage::rescaled, this, qOverload<>(&PracticeWindow::placeControls));
    buildProblemArea();
    buildAnswerArea();
    buildTally();
    buildLogs();
    buildSettingsPanel();
    buildButtons();

    m_timer1 = new PreciseTimer(u"Timer1"_s, 1000, this);
    m_timer2 = new PreciseTimer(u"Timer2"_s, 200, this);
    m_timer3 = new PreciseTimer(u"Timer3"_s, 200, this);
    connect(m_timer1, &PreciseTimer::ticked, this, &PracticeWindow::Timer1_Timer);
    connect(m_timer2, &PreciseTimer::ticked, this, &PracticeWindow::Timer2_Timer);
    connect(m_timer3, &PreciseTimer::ticked, this, &PracticeWindow::Timer3_Timer);
}

void PracticeWindow::buildProblemArea()
{
    m_pic1 = new SurfaceView(m_session.problemSurface(), m_stage);
    m_pic1->setObjectName(u"Pic1"_s);
    m_pic1->setAccessibleName(u"题目"_s);
    m_pic3 = makePicture(*m_pic1, u"Pic3"_s, u":/art/pointing-hand.svg"_s);

    m_frame5 = makeFrame(*m_stage, u"Frame5"_s, u"解答提示"_s, 10.5, 0x00FFFFFF);
    m_pic2 = new SurfaceView(m_session.solutionSurface(), m_frame5);
    m_pic2->setObjectName(u"Pic2"_s);
    m_pic2->setAccessibleName(u"解答提示"_s);
    m_pic4 = makePicture(*m_pic2, u"Pic4"_s, u":/art/pointing-hand.svg"_s);
}

void PracticeWindow::buildAnswerArea()
{
    m_label9 = makeLabel(*m_stage, u"Label9"_s, u"列算式或方程\n（未知数用x）"_s, 10.5);
    m_text1 = new QLineEdit(m_stage);
    m_text1->setObjectName(u"Text1"_s);
    m_text1->setAccessibleName(u"列算式或方程"_s);
    m_text1->setFont(Fonts::designFont(u"宋体"_s, 15));
    m_text1->setMaxLength(PracticeSession::MaxAnswerLength);
    connect(m_text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(13); });
    m_label15 = makeLabel(*m_stage, u"Label15"_s, u"（输入完后按enter键提交答案）"_s, 14.25);
    m_label10 = makeLabel(*m_stage, u"Label10"_s, QString(), 26.25);
    m_inputHint = makeLabel(*m_stage, u"InputHint"_s, QString(), 10.5);
    m_inputHint->setTextColor(colorFromBgr(0x00FF0000));
    m_image1 = makePicture(*m_stage, u"Image1"_s, u":/art/face-smile.svg"_s);
    m_image2 = makePicture(*m_stage, u"Image2"_s, u":/art/face-frown.svg"_s);
}

void PracticeWindow::buildTally()
{
    m_label11 = makeLabel(*m_stage, u"Label11"_s, u"做题数："_s, 15.75);
    m_label12 = makeLabel(*m_stage, u"Label12"_s, u"对题数："_s, 15.75);
    m_label14 = makeLabel(*m_stage, u"Label14"_s, u"对题率："_s, 15.75);
}

void PracticeWindow::buildLogs()
{
    m_label1 = makeLabel(*m_stage, u"Label1"_s, u"练习统计"_s, 15.75);
    m_text4 = makeLog(*m_stage, u"Text4"_s, u"练习统计"_s);
    m_label2 = makeLabel(*m_stage, u"Label2"_s, u"习  题  积  累"_s, 15);
    m_text3 = makeLog(*m_stage, u"Text3"_s, u"习题积累"_s);
    m_text3->viewport()->installEventFilter(this);
}

void PracticeWindow::buildSettingsPanel()
{
    m_frame1 = new QWidget(m_stage);
    m_frame1->setObjectName(u"Frame1"_s);

    CaptionFrame *frame3 = makeFrame(*m_frame1, u"Frame3"_s, u"背景选择"_s, 12, 0x00FFFFFF);
    const struct {
        const char16_t *name;
        const char16_t *colourName;
        quint32 color;
        void (PracticeWindow::*handler)();
    } swatches[] = {{u"Label6", u"黄色", Bgr::Yellow, &PracticeWindow::Label6_Click},
                    {u"Label5", u"橙色", Bgr::Orange, &PracticeWindow::Label5_Click},
                    {u"Label7", u"绿色", Bgr::Green, &PracticeWindow::Label7_Click},
                    {u"Label8", u"蓝色", Blue, &PracticeWindow::Label8_Click}};
    auto *arrows = new ArrowKeyFocus(frame3);
    for (int i = 0; i < 4; ++i) {
        auto *swatch = new ActionLabel(QString::fromUtf16(swatches[i].name), frame3);
        swatch->setAccessibleName(QString::fromUtf16(swatches[i].colourName));
        arrows->add(swatch);
        swatch->setBackColor(colorFromBgr(swatches[i].color));
        SetHandCursor(*swatch);
        m_swatches[i] = swatch;
        connect(swatch, &CaptionLabel::clicked, this, swatches[i].handler);
    }

    CaptionFrame *frame4 = makeFrame(*m_frame1, u"Frame4"_s, u"练习时间"_s, 18, 0x00FFFFFF);
    m_label3 = new CaptionLabel(u"Label3"_s, frame4);
    m_label3->setFont(Fonts::designFont(u"华文新魏"_s, 21.75));
    m_label3->setTextColor(RedColor());
    m_label3->setBackColor(colorFromBgr(Bgr::Green));
    m_label3->setAlignment(Qt::AlignCenter);

    CaptionFrame *frame2 = makeFrame(*m_frame1, u"Frame2"_s, u"声音开关"_s, 12, LightGreen);
    m_option3 = makeOption(*frame2, u"Option3"_s, u"开"_s, Cyan);
    m_option4 = makeOption(*frame2, u"Option4"_s, u"关"_s, Bgr::Green);
    m_panelFrames = {frame3, frame4, frame2};
    connect(m_option3, &QRadioButton::clicked, this, &PracticeWindow::Option3_Click);
    connect(m_option4, &QRadioButton::clicked, this, &PracticeWindow::Option4_Click);
}

void PracticeWindow::buildButtons()
{
    m_command1 = makeButton(*m_stage, u"Command1"_s, u"开始练习"_s);

    m_navigation = {makeButton(*m_stage, u"Command2"_s, u"返 回"_s),
                    makeButton(*m_stage, u"Command3"_s, u"进入例题"_s),
                    makeButton(*m_stage, u"Command4"_s, u"进入测试"_s)};
    connect(m_command1, &QPushButton::clicked, this, &PracticeWindow::Command1_Click);
    connect(m_navigation[0], &QPushButton::clicked, this, &PracticeWindow::Command2_Click);
    connect(m_navigation[1], &QPushButton::clicked, this, &PracticeWindow::Command3_Click);
    connect(m_navigation[2], &QPushButton::clicked, this, &PracticeWindow::Command4_Click);
    // From the answer, Tab leads straight on to the next problem.
    setTabOrder(m_text1, m_command1);
}

void PracticeWindow::placeControls(const PracticeLayout &layout)
{
    place(*m_pic1, layout.pic1);
    place(*m_frame5, layout.frame5);
    place(*m_pic2, layout.pic2);
    place(*m_label9, layout.label9);
    place(*m_text1, layout.text1);
    place(*m_label15, layout.label15);
    place(*m_label10, layout.label10);
    place(*m_inputHint, layout.inputHint);
    place(*m_image1, layout.faces);
    place(*m_image2, layout.faces);
    place(*m_label11, layout.label11);
    place(*m_label12, layout.label12);
    place(*m_label14, layout.label14);
    place(*m_label1, layout.label1);
    place(*m_text4, layout.text4);
    place(*m_label2, layout.label2);
    place(*m_text3, layout.text3);
    place(*m_frame1, layout.frame1);
    place(*m_command1, layout.command1);
    place(*m_navigation[0], layout.command2);
    place(*m_navigation[1], layout.command3);
    place(*m_navigation[2], layout.command4);
    placeSettingsPanel();
    for (QLabel *picture : {m_pic3, m_pic4, m_image1, m_image2})
        resizeToPicture(*picture);
}

void PracticeWindow::placeSettingsPanel()
{
    const SettingsPanelLayout panel = SettingsPanel();
    place(*m_panelFrames[0], panel.frame3);
    for (int i = 0; i < 4; ++i)
        place(*m_swatches[i], panel.swatches[i]);
    place(*m_panelFrames[1], panel.frame4);
    place(*m_label3, panel.label3);
    place(*m_panelFrames[2], panel.frame2);
    place(*m_option3, panel.option3);
    place(*m_option4, panel.option4);
}
