// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwindow.h"

#include "backdrop.h"
#include "controls.h"
#include "designscreen.h"
#include "keyboard.h"
#include "placement.h"
#include "precisetimer.h"
#include "testlayout.h"
#include "units.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int EnterKey = 13;

} // namespace

TestWindow::TestWindow(WindowHost &host, const PlatformServices &services,
                       const QString &paperFolder, QWidget *parent)
    : QMainWindow(parent), m_host(host),
      m_session(host.settings(), services.sound, services.messages, paperFolder)
{
    buildControls();
    connectControls();
}

TestWindow::~TestWindow() = default;

void TestWindow::connectControls()
{
    connect(m_composeButton, &QPushButton::clicked, this, &TestWindow::Option1_Click);
    connect(m_handInButton, &QPushButton::clicked, this, &TestWindow::Option2_Click);
    connect(m_saveButton, &QPushButton::clicked, this, &TestWindow::Option3_Click);
    connect(m_practiceButton, &QPushButton::clicked, this, &TestWindow::Option4_Click);
    connect(m_examplesButton, &QPushButton::clicked, this, &TestWindow::Option7_Click);
    connect(m_backButton, &QPushButton::clicked, this, &TestWindow::Option8_Click);
    connect(m_soundOn, &QRadioButton::clicked, this, &TestWindow::Option5_Click);
    connect(m_soundOff, &QRadioButton::clicked, this, &TestWindow::Option6_Click);
    for (int k = 0; k < PaperProblems; ++k) {
        connect(m_answerBoxes[k], &QLineEdit::returnPressed, this,
                [this, k] { Text2_KeyPress(k, EnterKey); });
    }
    connect(m_clockTimer, &PreciseTimer::ticked, this, &TestWindow::Timer1_Timer);
    connect(m_smileyTimer, &PreciseTimer::ticked, this, &TestWindow::Timer2_Timer);
}

void TestWindow::load()
{
    DesignScreen::fillScreen(*this);
    m_session.load();
    resetControls();
    placeControls();
    m_pathBox->setText(m_session.store().defaultPaperFileName());
    // The end of the path, the paper's name, is what the pupil changes.
    m_pathBox->setCursorPosition(int(m_pathBox->text().size()));
    setTimersEnabled(true);
}

void TestWindow::resetControls()
{
    setWindowTitle(u"Lumaro    应用题测试 "_s);
    m_paperBox->setReadOnly(false);
    m_paperBox->clear();
    for (int k = 0; k < PaperProblems; ++k)
        m_rowLabels[k]->setCaption(QString::number(k + 1) + u"。结果"_s);
    clearAnswers();
    showSession();
    m_actions->releaseAll();
    releaseButtons(*m_soundSwitch);
}

void TestWindow::releaseButtons(QButtonGroup &group)
{
    group.setExclusive(false);
    for (QAbstractButton *button : group.buttons())
        button->setChecked(false);
    group.setExclusive(true);
}

void TestWindow::clearAnswers()
{
    for (QLineEdit *box : m_answerBoxes)
        box->clear();
}

void TestWindow::showSession()
{
    for (int k = 0; k < PaperProblems; ++k)
        showRow(k);
    m_inputHint->setCaption(m_session.inputHint());
    m_scoreLabel->setCaption(m_session.scoreCaption());
    // An empty score card would only be a blank patch beside the face.
    m_scoreLabel->setVisible(!m_session.scoreCaption().isEmpty());
    QFont font = m_resultWord->font();
    font.setPointSizeF(m_session.resultFontSize());
    m_resultWord->setFont(font);
    m_resultWord->setCaption(m_session.resultCaption());
    m_smile->setVisible(!m_session.frown());
    m_frown->setVisible(m_session.frown());
    m_clockLabel->setCaption(m_session.clockCaption());
}

void TestWindow::setTimersEnabled(bool enabled)
{
    m_clockTimer->setEnabled(enabled);
    m_smileyTimer->setEnabled(enabled);
}

void TestWindow::closeEvent(QCloseEvent *event)
{
    // Only the close box (and the window manager's keys) close the window from outside; the
    // window's own buttons and the exit entry leave without a question.
    if (event->spontaneous() && !m_session.mayClose(answers())) {
        event->ignore();
        return;
    }
    setTimersEnabled(false);
    QMainWindow::closeEvent(event);
}

QString TestWindow::PaperText() const
{
    QString text = m_paperBox->toPlainText();
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\n', u"\r\n"_s);
    return text;
}

QStringList TestWindow::answers() const
{
    QStringList texts;
    for (const QLineEdit *box : m_answerBoxes)
        texts.append(box->text());
    return texts;
}

void TestWindow::Option1_Click()
{
    clearAnswers();
    m_paperBox->clear();
    if (m_session.compose()) {
        m_paperBox->setPlainText(m_session.paperBoxText());
        m_answerBoxes[0]->setFocus();
    }
    showSession();
}

void TestWindow::Option2_Click()
{
    if (m_session.handIn(answers(), [this](int k) { showRow(k); }))
        showSession();
}

void TestWindow::showRow(int k)
{
    m_marks[k]->setCaption(m_session.markText(k));
    m_rightAnswers[k]->setCaption(m_session.rightAnswerText(k));
    showExplanation(k, m_session.explanation(k));
}

void TestWindow::showExplanation(int k, const QString &explanation)
{
    // Pointing at the mark shows it; a screen reader reads it with the mark and with the
    // row's answer box.
    m_marks[k]->setToolTip(explanation);
    m_marks[k]->setAccessibleDescription(explanation);
    m_answerBoxes[k]->setAccessibleDescription(explanation);
}

QString TestWindow::rowExplanation(int k) const
{
    return k >= 0 && k < PaperProblems ? m_marks[k]->toolTip() : QString();
}

bool TestWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto box = std::find(m_answerBoxes.begin(), m_answerBoxes.end(), watched);
        const int k = int(box - m_answerBoxes.begin());
        if (box != m_answerBoxes.end() && !rowExplanation(k).isEmpty()) {
            const CaptionLabel &mark = *m_marks[k];
            QToolTip::showText(mark.mapToGlobal(mark.rect().bottomLeft()), rowExplanation(k),
                               m_marks[k]);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TestWindow::Option3_Click()
{
    m_session.save(PaperText(), m_pathBox->text());
}

void TestWindow::goTo(WindowId next)
{
    m_host.handOver(this, next);
}

void TestWindow::Option4_Click()
{
    goTo(WindowId::Practice);
}

void TestWindow::Option7_Click()
{
    goTo(WindowId::Examples);
}

void TestWindow::Option8_Click()
{
    goTo(WindowId::Main);
}

void TestWindow::Option5_Click()
{
    m_session.setSoundOn(true);
}

void TestWindow::Option6_Click()
{
    m_session.setSoundOn(false);
}

void TestWindow::Text2_KeyPress(int index, int keyAscii)
{
    if (keyAscii != EnterKey)
        return;
    if (const std::optional<int> next = TestSession::RowAfter(index))
        m_answerBoxes[*next]->setFocus();
}

void TestWindow::Timer1_Timer()
{
    m_session.clockTick();
    m_clockLabel->setCaption(m_session.clockCaption());
}

void TestWindow::Timer2_Timer()
{
    m_session.smileyTick();
    const QRectF place(m_smileyLeft, m_session.smileyTop(), 0, 0);
    m_smile->move(Placement::pixels(*m_smile, place).topLeft());
}

void TestWindow::dayinyulan_Click()
{
    Q_EMIT printPreviewRequested();
}

void TestWindow::yemianshezhi_Click()
{
    Q_EMIT pageSetupRequested();
}
