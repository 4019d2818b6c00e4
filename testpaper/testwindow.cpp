// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwindow.h"

#include "backdrop.h"
#include "controls.h"
#include "designscreen.h"
#include "keyboard.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "placement.h"
#include "precisetimer.h"
#include "sound.h"
#include "testlayout.h"
#include "testmessages.h"
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
constexpr double MottoSize = 24;
const QString Motto = u"仔细审题认真答卷"_s;

} // namespace

TestWindow::TestWindow(WindowHost &host, const PlatformServices &services,
                       const QString &paperFolder, QWidget *parent)
    : QMainWindow(parent), m_host(host), m_services(services),
      m_paper(QRandomGenerator::securelySeeded()), m_store(paperFolder)
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
    // Each opening starts a fresh test: no paper, the clock at 0, sound off.
    m_paper.reset();
    m_clock.reset();
    m_bob.reset();
    m_sounds.switchOff();
    m_damageTold = false;
    resetControls();
    placeControls();
    // Papers can be saved without this folder too; a failure here is for saving to report.
    m_store.makeFolder();
    m_pathBox->setText(m_store.defaultPaperFileName());
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
    showMotto();
    showScore(QString());
    m_clockLabel->setCaption(ClockText(0));
    m_smile->show();
    m_frown->hide();
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
    for (int k = 0; k < PaperProblems; ++k) {
        m_answerBoxes[k]->clear();
        m_marks[k]->setCaption(QString());
        m_rightAnswers[k]->setCaption(QString());
        showExplanation(k, QString());
    }
    m_inputHint->setCaption(QString());
}

void TestWindow::showMotto()
{
    QFont font = m_resultWord->font();
    font.setPointSizeF(MottoSize);
    m_resultWord->setFont(font);
    m_resultWord->setCaption(Motto);
}

void TestWindow::showScore(const QString &text)
{
    m_scoreLabel->setCaption(text);
    // An empty score card would only be a blank patch beside the face.
    m_scoreLabel->setVisible(!text.isEmpty());
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
    if (event->spontaneous() && m_paper.unfinished(answers()) &&
        !m_services.messages.ask(LeaveUnfinishedTestQuestion())) {
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
    m_smile->show();
    m_frown->hide();
    clearAnswers();
    m_paperBox->clear();
    const bool composed = m_paper.compose(m_host.settings().bankPath());
    // Told once per opening when a paper could still be composed, every time when not.
    if (m_paper.damageFound() && (!composed || !m_damageTold)) {
        m_services.messages.show(DamagedBankMessage());
        m_damageTold = true;
    }
    if (composed) {
        // The box holds plain line feeds; PaperText() gives them back as CR LF.
        QString shown = m_paper.PaperText();
        m_paperBox->setPlainText(shown.replace(u"\r\n"_s, u"\n"_s));
        m_answerBoxes[0]->setFocus();
        showScore(QString());
    } else if (!m_paper.damageFound()) {
        m_services.messages.show(NotReadyMessage());
    }
    showMotto();
}

void TestWindow::Option2_Click()
{
    const std::optional<Grading> grading = m_paper.handIn(answers());
    if (!grading) {
        // Without a paper, empty answer boxes would all count as right.
        m_services.messages.show(NotReadyMessage());
        return;
    }
    showGrading(*grading);
}

void TestWindow::showGrading(const Grading &grading)
{
    for (int k = 0; k < PaperProblems; ++k) {
        for (int error = 0; error < grading.Rows[k].BracketErrors; ++error)
            m_services.messages.show(ExpressionErrorMessage());
        m_marks[k]->setCaption(MarkText(grading.Rows[k].Right));
        m_rightAnswers[k]->setCaption(grading.RightAnswers[k]);
        showExplanation(k, grading.Explanations[k]);
    }
    m_inputHint->setCaption(grading.InputHint);
    showScore(ScoreText(grading.Score));
    QFont font = m_resultWord->font();
    font.setPointSizeF(grading.Band.FontSize);
    m_resultWord->setFont(font);
    m_resultWord->setCaption(grading.Band.Caption);
    if (grading.Band.Frown) {
        m_smile->hide();
        m_frown->show();
    }
    // While sound is off the path is empty, and nothing plays.
    const QString &sound = m_sounds.pathFor(grading.Band.Sound);
    if (!sound.isEmpty())
        m_services.sound.play(sound);
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
    const QString text = PaperText();
    if (text.trimmed().isEmpty()) {
        // An empty box would only wipe out an earlier paper saved under the same name.
        m_services.messages.show(NotReadyMessage());
        return;
    }
    const SaveOutcome outcome = m_store.save(text, m_pathBox->text());
    if (outcome.ok())
        m_paper.markSaved();
    else
        m_services.messages.show(TestMessages::SaveFailed(outcome));
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
    m_sounds.switchOn(m_host.settings());
}

void TestWindow::Option6_Click()
{
    m_sounds.switchOff();
}

void TestWindow::Text2_KeyPress(int index, int keyAscii)
{
    if (keyAscii == EnterKey && index + 1 < PaperProblems)
        m_answerBoxes[index + 1]->setFocus();
}

void TestWindow::Timer1_Timer()
{
    m_clockLabel->setCaption(m_clock.tick());
}

void TestWindow::Timer2_Timer()
{
    const QRectF place(m_smileyLeft, m_bob.tick(), 0, 0);
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
