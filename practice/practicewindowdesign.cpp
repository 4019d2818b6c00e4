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

    m_clockTimer = new PreciseTimer(u"Timer1"_s, 1000, this);
    m_problemTimer = new PreciseTimer(u"Timer2"_s, 200, this);
    m_solutionTimer = new PreciseTimer(u"Timer3"_s, 200, this);
    connect(m_clockTimer, &PreciseTimer::ticked, this, &PracticeWindow::Timer1_Timer);
    connect(m_problemTimer, &PreciseTimer::ticked, this, &PracticeWindow::Timer2_Timer);
    connect(m_solutionTimer, &PreciseTimer::ticked, this, &PracticeWindow::Timer3_Timer);
}

void PracticeWindow::buildProblemArea()
{
    m_problemBoard = new SurfaceView(m_session.problemSurface(), m_stage);
    m_problemBoard->setObjectName(u"Pic1"_s);
    m_problemBoard->setAccessibleName(u"题目"_s);
    m_problemHand = makePicture(*m_problemBoard, u"Pic3"_s, u":/art/pointing-hand.svg"_s);

    m_solutionFrame = makeFrame(*m_stage, u"Frame5"_s, u"解答提示"_s, 10.5, 0x00FFFFFF);
    m_solutionBoard = new SurfaceView(m_session.solutionSurface(), m_solutionFrame);
    m_solutionBoard->setObjectName(u"Pic2"_s);
    m_solutionBoard->setAccessibleName(u"解答提示"_s);
    m_solutionHand = makePicture(*m_solutionBoard, u"Pic4"_s, u":/art/pointing-hand.svg"_s);
}

void PracticeWindow::buildAnswerArea()
{
    m_answerPrompt = makeLabel(*m_stage, u"Label9"_s, u"列算式或方程\n（未知数用x）"_s, 10.5);
    m_answerBox = new QLineEdit(m_stage);
    m_answerBox->setObjectName(u"Text1"_s);
    m_answerBox->setAccessibleName(u"列算式或方程"_s);
    m_answerBox->setFont(Fonts::designFont(u"宋体"_s, 15));
    m_answerBox->setMaxLength(PracticeSession::MaxAnswerLength);
    connect(m_answerBox, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(13); });
    m_enterHint = makeLabel(*m_stage, u"Label15"_s, u"（输入完后按enter键提交答案）"_s, 14.25);
    m_verdictMark = makeLabel(*m_stage, u"Label10"_s, QString(), 26.25);
    m_inputHint = makeLabel(*m_stage, u"InputHint"_s, QString(), 10.5);
    m_inputHint->setTextColor(colorFromBgr(0x00FF0000));
    m_smile = makePicture(*m_stage, u"Image1"_s, u":/art/face-smile.svg"_s);
    m_frown = makePicture(*m_stage, u"Image2"_s, u":/art/face-frown.svg"_s);
}

void PracticeWindow::buildTally()
{
    m_doneLabel = makeLabel(*m_stage, u"Label11"_s, u"做题数："_s, 15.75);
    m_rightLabel = makeLabel(*m_stage, u"Label12"_s, u"对题数："_s, 15.75);
    m_rateLabel = makeLabel(*m_stage, u"Label14"_s, u"对题率："_s, 15.75);
}

void PracticeWindow::buildLogs()
{
    m_verdictLogTitle = makeLabel(*m_stage, u"Label1"_s, u"练习统计"_s, 15.75);
    m_verdictLog = makeLog(*m_stage, u"Text4"_s, u"练习统计"_s);
    m_problemLogTitle = makeLabel(*m_stage, u"Label2"_s, u"习  题  积  累"_s, 15);
    m_problemLog = makeLog(*m_stage, u"Text3"_s, u"习题积累"_s);
    m_problemLog->viewport()->installEventFilter(this);
}

void PracticeWindow::buildSettingsPanel()
{
    m_settingsPanel = new QWidget(m_stage);
    m_settingsPanel->setObjectName(u"Frame1"_s);

    CaptionFrame *backgroundFrame =
        makeFrame(*m_settingsPanel, u"Frame3"_s, u"背景选择"_s, 12, 0x00FFFFFF);
    const struct {
        const char16_t *name;
        const char16_t *colourName;
        quint32 color;
        void (PracticeWindow::*handler)();
    } swatches[] = {{u"Label6", u"黄色", Bgr::Yellow, &PracticeWindow::Label6_Click},
                    {u"Label5", u"橙色", Bgr::Orange, &PracticeWindow::Label5_Click},
                    {u"Label7", u"绿色", Bgr::Green, &PracticeWindow::Label7_Click},
                    {u"Label8", u"蓝色", Blue, &PracticeWindow::Label8_Click}};
    auto *arrows = new ArrowKeyFocus(backgroundFrame);
    for (int i = 0; i < 4; ++i) {
        auto *swatch = new ActionLabel(QString::fromUtf16(swatches[i].name), backgroundFrame);
        swatch->setAccessibleName(QString::fromUtf16(swatches[i].colourName));
        arrows->add(swatch);
        swatch->setBackColor(colorFromBgr(swatches[i].color));
        SetHandCursor(*swatch);
        m_swatches[i] = swatch;
        connect(swatch, &CaptionLabel::clicked, this, swatches[i].handler);
    }

    CaptionFrame *clockFrame =
        makeFrame(*m_settingsPanel, u"Frame4"_s, u"练习时间"_s, 18, 0x00FFFFFF);
    m_clockLabel = new CaptionLabel(u"Label3"_s, clockFrame);
    m_clockLabel->setFont(Fonts::designFont(u"华文新魏"_s, 21.75));
    m_clockLabel->setTextColor(RedColor());
    m_clockLabel->setBackColor(colorFromBgr(Bgr::Green));
    m_clockLabel->setAlignment(Qt::AlignCenter);

    CaptionFrame *soundFrame =
        makeFrame(*m_settingsPanel, u"Frame2"_s, u"声音开关"_s, 12, LightGreen);
    m_soundOn = makeOption(*soundFrame, u"Option3"_s, u"开"_s, Cyan);
    m_soundOff = makeOption(*soundFrame, u"Option4"_s, u"关"_s, Bgr::Green);
    m_panelFrames = {backgroundFrame, clockFrame, soundFrame};
    connect(m_soundOn, &QRadioButton::clicked, this, &PracticeWindow::Option3_Click);
    connect(m_soundOff, &QRadioButton::clicked, this, &PracticeWindow::Option4_Click);
}

void PracticeWindow::buildButtons()
{
    m_nextButton = makeButton(*m_stage, u"Command1"_s, u"开始练习"_s);

    m_navigation = {makeButton(*m_stage, u"Command2"_s, u"返 回"_s),
                    makeButton(*m_stage, u"Command3"_s, u"进入例题"_s),
                    makeButton(*m_stage, u"Command4"_s, u"进入测试"_s)};
    connect(m_nextButton, &QPushButton::clicked, this, &PracticeWindow::Command1_Click);
    connect(m_navigation[0], &QPushButton::clicked, this, &PracticeWindow::Command2_Click);
    connect(m_navigation[1], &QPushButton::clicked, this, &PracticeWindow::Command3_Click);
    connect(m_navigation[2], &QPushButton::clicked, this, &PracticeWindow::Command4_Click);
    // From the answer, Tab leads straight on to the next problem.
    setTabOrder(m_answerBox, m_nextButton);
}

void PracticeWindow::placeControls(const PracticeLayout &layout)
{
    place(*m_problemBoard, layout.pic1);
    place(*m_solutionFrame, layout.frame5);
    place(*m_solutionBoard, layout.pic2);
    place(*m_answerPrompt, layout.label9);
    place(*m_answerBox, layout.text1);
    place(*m_enterHint, layout.label15);
    place(*m_verdictMark, layout.label10);
    place(*m_inputHint, layout.inputHint);
    place(*m_smile, layout.faces);
    place(*m_frown, layout.faces);
    place(*m_doneLabel, layout.label11);
    place(*m_rightLabel, layout.label12);
    place(*m_rateLabel, layout.label14);
    place(*m_verdictLogTitle, layout.label1);
    place(*m_verdictLog, layout.text4);
    place(*m_problemLogTitle, layout.label2);
    place(*m_problemLog, layout.text3);
    place(*m_settingsPanel, layout.frame1);
    place(*m_nextButton, layout.command1);
    place(*m_navigation[0], layout.command2);
    place(*m_navigation[1], layout.command3);
    place(*m_navigation[2], layout.command4);
    placeSettingsPanel();
    for (QLabel *picture : {m_problemHand, m_solutionHand, m_smile, m_frown})
        resizeToPicture(*picture);
}

void PracticeWindow::placeSettingsPanel()
{
    const SettingsPanelLayout panel = SettingsPanel();
    place(*m_panelFrames[0], panel.frame3);
    for (int i = 0; i < 4; ++i)
        place(*m_swatches[i], panel.swatches[i]);
    place(*m_panelFrames[1], panel.frame4);
    place(*m_clockLabel, panel.label3);
    place(*m_panelFrames[2], panel.frame2);
    place(*m_soundOn, panel.option3);
    place(*m_soundOff, panel.option4);
}
