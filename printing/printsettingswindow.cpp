// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsettingswindow.h"

#include "actionlabel.h"
#include "controls.h"
#include "designscreen.h"
#include "fonts.h"
#include "pictures.h"
#include "placement.h"
#include "units.h"
#include "windowplacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double ClientWidth = 5550;
constexpr double ClientHeight = 3975;
// The window's client area on the design screen, 15 twips a pixel.
constexpr QSize DesignPixels(int(ClientWidth / 15), int(ClientHeight / 15));

const QColor CaptionRed(255, 0, 0);
const QColor HoverYellow(255, 255, 0);

struct Place {
    double left, top, width, height;
};

struct CaptionDesign {
    const char16_t *text;
    Place place;
    double points;
    bool bold;
};

// The captions, in twips.
constexpr std::array<CaptionDesign, 8> Captions{{
    {u"纸型：A4", {720, 480, 1935, 375}, 18, true},
    {u"字体", {360, 1080, 480, 240}, 12, false},
    {u"字号", {360, 1680, 480, 240}, 12, false},
    {u"打印份数", {240, 2280, 840, 210}, 10.5, false},
    {u"上边距", {3120, 600, 720, 240}, 12, false},
    {u"下边距", {3120, 1200, 720, 240}, 12, false},
    {u"左边距", {3120, 1680, 720, 240}, 12, false},
    {u"右边距", {3120, 2280, 720, 240}, 12, false},
}};

constexpr Place FontNamePlace{1200, 1080, 1215, 360};
constexpr Place FontSizePlace{1200, 1680, 1215, 360};
constexpr Place CopiesPlace{1320, 2280, 615, 375};
constexpr Place TopPlace{3960, 600, 1215, 360};
constexpr Place BottomPlace{3960, 1080, 1215, 360};
constexpr Place LeftPlace{3960, 1680, 1215, 360};
constexpr Place RightPlace{3960, 2280, 1215, 360};
constexpr Place OkPlace{3960, 3000, 1095, 495};

QRect pixels(const QWidget &window, const Place &place)
{
    return Placement::pixels(window, QRectF(place.left, place.top, place.width, place.height));
}

/// A caption grows to hold its text, so a stand-in face that runs wider is not cut.
void fitCaption(CaptionLabel &label, const QRect &designed)
{
    const QSize needed = label.sizeHint();
    label.setGeometry(QRect(designed.topLeft(), designed.size().expandedTo(needed)));
}

} // namespace

PrintSettingsWindow::PrintSettingsWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"Form7"_s);
    setWindowFlag(Qt::Window);
    setWindowTitle(u"打印设置"_s);
    setMouseTracking(true);
    m_stage = new DesignStage(*this, DesignPixels);
    m_stage->setFont(Fonts::designFont(u"宋体"_s, 12));
    connect(m_stage, &DesignStage::rescaled, this, &PrintSettingsWindow::placeControls);
    fitToScreen();
    buildCaptions();

    const PrintSettings defaults;
    m_fontName = addBox(u"Combo1"_s, PrintChoices::fontNames(), defaults.fontName);
    m_fontSize = addBox(u"Combo2"_s, PrintChoices::fontSizes(), defaults.fontSize);
    m_top = addBox(u"Combo3"_s, PrintChoices::margins(), defaults.topMargin);
    m_bottom = addBox(u"Combo4"_s, PrintChoices::margins(), defaults.bottomMargin);
    m_left = addBox(u"Combo5"_s, PrintChoices::margins(), defaults.leftMargin);
    m_right = addBox(u"Combo6"_s, PrintChoices::margins(), defaults.rightMargin);
    m_copies = new QLineEdit(defaults.copies, m_stage);
    m_copies->setObjectName(u"Text1"_s);
    SetAccessibleCaption(*m_copies, u"打印份数"_s);
    placeControls();

    // Keyboard focus: font name, the four margins, font size, copies.
    setTabOrder(m_fontName, m_top);
    setTabOrder(m_top, m_bottom);
    setTabOrder(m_bottom, m_left);
    setTabOrder(m_left, m_right);
    setTabOrder(m_right, m_fontSize);
    setTabOrder(m_fontSize, m_copies);
    setTabOrder(m_copies, m_ok);
    // The keyboard starts at the font name, whichever control was made first.
    m_fontName->setFocus(Qt::OtherFocusReason);
}

void PrintSettingsWindow::buildCaptions()
{
    int number = 1;
    for (const CaptionDesign &design : Captions) {
        auto *label = new CaptionLabel(u"Label"_s + QString::number(number), m_stage);
        label->setFont(Fonts::designFont(u"隶书"_s, design.points, design.bold));
        label->setTextColor(CaptionRed);
        label->setCaption(QString::fromUtf16(design.text));
        m_captions[number - 1] = label;
        ++number;
    }
    m_ok = new ActionLabel(u"Label9"_s, m_stage);
    m_ok->setFont(Fonts::designFont(u"隶书"_s, 21.75));
    m_ok->setTextColor(CaptionRed);
    m_ok->setCaption(u"确定"_s);
    SetHandCursor(*m_ok);
    connect(m_ok, &CaptionLabel::clicked, this, &PrintSettingsWindow::Label9_Click);
    connect(m_ok, &CaptionLabel::mouseMoved, this, &PrintSettingsWindow::Label9_MouseMove);
}

QComboBox *PrintSettingsWindow::addBox(const QString &name, const QStringList &choices,
                                       const QString &value)
{
    auto *box = new QComboBox(m_stage);
    box->setObjectName(name);
    box->setEditable(true);
    // What is typed is the setting; it does not join the offered list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(choices);
    box->setEditText(value);
    return box;
}

void PrintSettingsWindow::fitToScreen()
{
    // The window keeps its share of the screen that the full-screen windows have.
    const double scale = DesignScreen::scaleOfScreen(*this);
    setFixedSize(qRound(DesignPixels.width() * scale), qRound(DesignPixels.height() * scale));
}

void PrintSettingsWindow::placeControls()
{
    for (size_t i = 0; i < m_captions.size(); ++i)
        fitCaption(*m_captions[i], pixels(*m_stage, Captions[i].place));
    fitCaption(*m_ok, pixels(*m_stage, OkPlace));
    m_fontName->setGeometry(pixels(*m_stage, FontNamePlace));
    m_fontSize->setGeometry(pixels(*m_stage, FontSizePlace));
    m_copies->setGeometry(pixels(*m_stage, CopiesPlace));
    m_top->setGeometry(pixels(*m_stage, TopPlace));
    m_bottom->setGeometry(pixels(*m_stage, BottomPlace));
    m_left->setGeometry(pixels(*m_stage, LeftPlace));
    m_right->setGeometry(pixels(*m_stage, RightPlace));
    SetAccessibleCaption(*m_fontName, u"字体"_s);
    SetAccessibleCaption(*m_fontSize, u"字号"_s);
    SetAccessibleCaption(*m_top, u"上边距"_s);
    SetAccessibleCaption(*m_bottom, u"下边距"_s);
    SetAccessibleCaption(*m_left, u"左边距"_s);
    SetAccessibleCaption(*m_right, u"右边距"_s);
}

void PrintSettingsWindow::open()
{
    if (!isVisible()) {
        fitToScreen();
        CentreOverOwner(*this);
    }
    show();
    raise();
    activateWindow();
}

PrintSettings PrintSettingsWindow::settings() const
{
    PrintSettings texts;
    texts.fontName = m_fontName->currentText();
    texts.fontSize = m_fontSize->currentText();
    texts.topMargin = m_top->currentText();
    texts.bottomMargin = m_bottom->currentText();
    texts.leftMargin = m_left->currentText();
    texts.rightMargin = m_right->currentText();
    texts.copies = m_copies->text();
    return texts;
}

void PrintSettingsWindow::Label9_Click()
{
    hide();
}

void PrintSettingsWindow::Label9_MouseMove()
{
    m_ok->setTextColor(HoverYellow);
}

void PrintSettingsWindow::Form_MouseMove()
{
    m_ok->setTextColor(CaptionRed);
}

void PrintSettingsWindow::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void PrintSettingsWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter in a box, which the box leaves to its window, accepts as "确定" does.
        event->accept();
        Label9_Click();
        return;
    case Qt::Key_Escape:
        event->accept();
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PrintSettingsWindow::closeEvent(QCloseEvent *event)
{
    // Closing by the frame keeps what was entered, as "确定" does.
    event->accept();
    Label9_Click();
}
