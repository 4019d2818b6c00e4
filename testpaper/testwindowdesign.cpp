// SPDX-License-Identifier: GPL-3.0-or-later
// The test window's controls as designed: captions, fonts, colours, and their places.
#include "testwindow.h"

#include "backdrop.h"
#include "controls.h"
#include "designscreen.h"
#include "fonts.h"
#include "keyboard.h"
#include "pictures.h"
#include "placement.h"
#include "precisetimer.h"
#include "testlayout.h"
#include "units.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr quint32 FormBackColor = 0x00FFC0C0;
constexpr quint32 PaperBackColor = 0x00E0E0E0;
constexpr quint32 AnswerBackColor = 0x00C0E0FF;
constexpr double FaceSide = 480; // twips
/// How far below its row's top a right answer stands: just under the answer box.
constexpr double RightAnswerDrop = 375;

QString arrayName(const QString &name, int index)
{
    return name + u'(' + QString::number(index) + u')';
}

CaptionLabel *makeLabel(QWidget &parent, const QString &name, const QFont &font)
{
    auto *label = new CaptionLabel(name, &parent);
    label->setFont(font);
    label->setTextColor(RedColor());
    return label;
}

/// A text box in the designed font on a back colour; text colour as given.
template <typename Box>
void styleBox(Box &box, const QString &name, double points, quint32 backColor, QColor text)
{
    box.setObjectName(name);
    box.setFont(Fonts::designFont(u"宋体"_s, points));
    QPalette colours = box.palette();
    colours.setColor(QPalette::Base, colorFromBgr(backColor));
    colours.setColor(QPalette::Text, text);
    box.setPalette(colours);
}

QLabel *makeFace(QWidget &parent, const QString &name, const QString &picture,
                 const QString &description)
{
    auto *face = new PictureLabel(name, picture, &parent);
    face->setAccessibleName(description);
    face->setAttribute(Qt::WA_TransparentForMouseEvents);
    return face;
}

void place(QWidget &control, double left, double top, double width, double height)
{
    Placement::place(control, QRectF(left, top, width, height));
}

void place(QWidget &control, QPointF at, double width, double height)
{
    place(control, at.x(), at.y(), width, height);
}

} // namespace

void TestWindow::buildControls()
{
    setObjectName(u"Form5"_s);
    setWindowTitle(u"Lumaro    应用题测试 "_s);
    m_page = new Backdrop(this);
    m_page->setBackColor(colorFromBgr(FormBackColor));
    m_page->setPicture(u":/art/test-background.svg"_s);
    setCentralWidget(m_page);
    m_stage = new DesignStage(*m_page);
    connect(m_stage, &DesignStage::rescaled, this, qOverload<>(&TestWindow::placeControls));
    buildMenu();
    buildPaperArea(*m_stage);
    buildAnswerRows(*m_stage);
    buildActionButtons(*m_stage);
    buildSavePath(*m_stage);
    buildRightColumn(*m_stage);

    m_clockTimer = new PreciseTimer(u"Timer1"_s, 1000, this);
    m_smileyTimer = new PreciseTimer(u"Timer2"_s, 100, this);
}

void TestWindow::buildMenu()
{
    QAction *preview = menuBar()->addAction(u"打印预览"_s);
    preview->setObjectName(u"dayinyulan"_s);
    QAction *pageSetup = menuBar()->addAction(u"页面设置"_s);
    pageSetup->setObjectName(u"yemianshezhi"_s);
    connect(preview, &QAction::triggered, this, &TestWindow::dayinyulan_Click);
    connect(pageSetup, &QAction::triggered, this, &TestWindow::yemianshezhi_Click);
}

void TestWindow::buildPaperArea(QWidget &page)
{
    m_paperBox = new QPlainTextEdit(&page);
    styleBox(*m_paperBox, u"Text1"_s, 12, PaperBackColor, RedColor());
    m_paperBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the answers rather than typing into the paper.
    m_paperBox->setTabChangesFocus(true);
    m_paperBox->setAccessibleName(u"试卷"_s);
}

void TestWindow::buildAnswerRows(QWidget &page)
{
    for (int k = 0; k < PaperProblems; ++k) {
        m_rowLabels[k] =
            makeLabel(page, arrayName(u"Label2"_s, k), Fonts::designFont(u"宋体"_s, 10.5));
        auto *box = new QLineEdit(&page);
        styleBox(*box, arrayName(u"Text2"_s, k), 12, AnswerBackColor, Qt::black);
        box->setAccessibleName(QString::number(k + 1) + u"。结果"_s);
        box->setMaxLength(MaxAnswerLength);
        m_answerBoxes[k] = box;
        m_marks[k] =
            makeLabel(page, arrayName(u"Label7"_s, k), Fonts::designFont(u"宋体"_s, 26.25));
        m_rightAnswers[k] =
            makeLabel(page, arrayName(u"RightAnswer"_s, k), Fonts::designFont(u"宋体"_s, 9));
        m_rightAnswers[k]->setTextColor(colorFromBgr(0x00FF0000));
        box->installEventFilter(this);
    }
    m_inputHint = makeLabel(page, u"InputHint"_s, Fonts::designFont(u"宋体"_s, 10.5));
    m_inputHint->setTextColor(colorFromBgr(0x00FF0000));
    m_inputHint->setWordWrap(true);
    m_inputHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TestWindow::buildActionButtons(QWidget &page)
{
    // Latching, yet each one in the tab order, and the arrows only move between them: a
    // button group would press each button an arrow reaches.
    m_actions = new LatchingButtons(this);
    auto add = [&](const QString &name, const QString &caption) {
        auto *button = new QPushButton(caption, &page);
        button->setObjectName(name);
        SetAccessibleCaption(*button, caption);
        button->setFont(Fonts::designFont(u"宋体"_s, 10.5));
        SetHandCursor(*button);
        // Enter presses the focused button, as Space does.
        button->setAutoDefault(true);
        button->setStyleSheet(OrangeButtonStyle(RedColor()));
        m_actions->add(button);
        return button;
    };
    m_composeButton = add(u"Option1"_s, u"组  卷"_s);
    m_handInButton = add(u"Option2"_s, u"交  卷"_s);
    m_saveButton = add(u"Option3"_s, u"保存试卷"_s);
    m_examplesButton = add(u"Option7"_s, u"进入例题"_s);
    m_practiceButton = add(u"Option4"_s, u"进入练习"_s);
    m_backButton = add(u"Option8"_s, u"返  回"_s);
    m_saveButton->setToolTip(m_session.store().toolTip());
}

void TestWindow::buildSavePath(QWidget &page)
{
    m_pathLabel = makeLabel(page, u"Label4"_s, Fonts::designFont(u"宋体"_s, 10.5));
    m_pathLabel->setCaption(u"输入试卷名（不能修改路径）"_s);
    m_pathBox = new QLineEdit(&page);
    m_pathBox->setObjectName(u"Text3"_s);
    m_pathBox->setFont(Fonts::designFont(u"宋体"_s, 12));
    m_pathBox->setAccessibleName(u"试卷名"_s);
}

void TestWindow::buildRightColumn(QWidget &page)
{
    const QFont frameFont = Fonts::designFont(u"宋体"_s, 12);
    m_clockFrame = new CaptionFrame(u"Frame4"_s, u"测试时间"_s, &page);
    m_clockFrame->setBackColor(colorFromBgr(FormBackColor));
    m_clockFrame->setCaptionColor(RedColor());
    m_clockFrame->setFont(frameFont);
    m_clockLabel = makeLabel(*m_clockFrame, u"Label6"_s, Fonts::designFont(u"华文新魏"_s, 15.75));
    m_clockLabel->setBackColor(colorFromBgr(Bgr::Green));
    m_clockLabel->setAlignment(Qt::AlignCenter);
    buildSoundFrame(page);

    m_resultWord = makeLabel(page, u"Label5"_s, Fonts::designFont(u"华文行楷"_s, 24));
    m_resultWord->setWordWrap(true);
    m_scoreLabel = makeLabel(page, u"Label1"_s, Fonts::designFont(u"华文新魏"_s, 24));
    m_scoreLabel->setBackColor(colorFromBgr(AnswerBackColor));
    m_scoreLabel->setWordWrap(true);
    m_smile = makeFace(page, u"Im1"_s, u":/art/face-smile.svg"_s, u"笑脸"_s);
    m_frown = makeFace(page, u"Im2"_s, u":/art/face-frown.svg"_s, u"哭脸"_s);
}

void TestWindow::buildSoundFrame(QWidget &page)
{
    m_soundFrame = new CaptionFrame(u"Frame1"_s, u"声音选择"_s, &page);
    m_soundFrame->setBackColor(colorFromBgr(FormBackColor));
    m_soundFrame->setCaptionColor(RedColor());
    m_soundFrame->setFont(Fonts::designFont(u"宋体"_s, 12));
    m_soundSwitch = new QButtonGroup(this);
    auto add = [&](const QString &name, const QString &caption) {
        auto *button = new QRadioButton(caption, m_soundFrame);
        button->setObjectName(name);
        SetAccessibleCaption(*button, caption);
        button->setFont(Fonts::designFont(u"宋体"_s, 12));
        SetHandCursor(*button);
        button->setStyleSheet(u"QRadioButton { background: #00ffff; color: #ff0000; "
                              u"padding-left: 4px; }"_s +
                              ButtonFocusStyle());
        m_soundSwitch->addButton(button);
        return button;
    };
    m_soundOn = add(u"Option5"_s, u"开"_s);
    m_soundOff = add(u"Option6"_s, u"关"_s);
}

void TestWindow::placeControls()
{
    placeControls(TestLayoutFor(DesignScreen::WidthTwips, DesignScreen::HeightTwips));
}

void TestWindow::placeControls(const TestLayout &layout)
{
    place(*m_paperBox, 120, 120, layout.text1.width(), layout.text1.height());
    for (int k = 0; k < PaperProblems; ++k) {
        const double top = AnswerRowTop(k);
        place(*m_rowLabels[k], layout.label2Left, top, 630, 210);
        place(*m_answerBoxes[k], layout.text2Left, top, 900, 350);
        place(*m_marks[k], layout.label7Left, top, 540, 525);
        // Below the row's label and answer box, clear of the mark and of the next row.
        place(*m_rightAnswers[k], layout.label2Left, top + RightAnswerDrop,
              layout.label7Left - layout.label2Left - 60, 300);
    }
    // Under the last row, clear of the sound frame in the right-hand column.
    place(*m_inputHint, layout.label2Left, AnswerRowTop(PaperProblems),
          layout.rightColumn - layout.label2Left - 120, 780);
    place(*m_composeButton, layout.option1, 1200, 450);
    place(*m_handInButton, layout.option2, 1200, 450);
    place(*m_saveButton, layout.option3, 1200, 450);
    place(*m_examplesButton, layout.option7, 1200, 450);
    place(*m_practiceButton, layout.option4, 1200, 450);
    place(*m_backButton, layout.option8, 1200, 450);
    place(*m_pathLabel, layout.label4, 2730, 210);
    place(*m_pathBox, layout.text3, 3015, 375);
    placeRightColumn(layout);
}

void TestWindow::placeRightColumn(const TestLayout &layout)
{
    const double left = layout.rightColumn;
    place(*m_soundFrame, left, layout.frame1Top, 1935, 1335);
    place(*m_soundOn, 240, 360, 615, 645);
    place(*m_soundOff, 1080, 360, 615, 645);
    place(*m_clockFrame, left, layout.frame4Top, 1935, 1215);
    place(*m_clockLabel, 270, 480, 1305, 315);
    place(*m_resultWord, left, layout.label5Top, 1845, 1965);
    place(*m_scoreLabel, left, 1080, 1335, 1815);
    m_smileyLeft = left;
    place(*m_smile, left, 240, FaceSide, FaceSide);
    place(*m_frown, left, 240, FaceSide, FaceSide);
}
