// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsession.h"

#include "programsettings.h"
#include "sound.h"
#include "testmessages.h"

using namespace Qt::Literals::StringLiterals;

const QString TestSession::Motto = u"仔细审题认真答卷"_s;

TestSession::TestSession(const ProgramSettings &settings, Sound &sound, MessageBoxes &messages,
                         const QString &paperFolder, QRandomGenerator random)
    : m_settings(settings), m_sound(sound), m_messages(messages), m_paper(random),
      m_store(paperFolder)
{
}

void TestSession::load()
{
    // Each opening starts a fresh test: no paper, the clock at 0, sound off.
    m_paper.reset();
    m_clock.reset();
    m_bob.reset();
    m_sounds.switchOff();
    m_damageNotice.reset();
    m_grading.reset();
    m_scoreCaption.clear();
    m_frown = false;
    showMotto();
    // Papers can be saved without this folder too; a failure here is for saving to report.
    m_store.makeFolder();
}

void TestSession::showMotto()
{
    m_resultCaption = Motto;
    m_resultFontSize = MottoSize;
}

bool TestSession::compose()
{
    m_grading.reset();
    m_frown = false;
    showMotto();
    const bool composed = m_paper.compose(m_settings.bankPath());
    if (const std::optional<Message> notice =
            m_damageNotice.messageAfter(m_paper.damageFound(), composed))
        m_messages.show(*notice);
    // A score stays up beside a paper that could not be composed, until the next one is.
    if (composed)
        m_scoreCaption.clear();
    return composed;
}

bool TestSession::handIn(const QStringList &answers, const std::function<void(int)> &rowGraded)
{
    const std::optional<Grading> grading = m_paper.handIn(answers);
    if (!grading) {
        // Without a paper, empty answer boxes would all count as right.
        m_messages.show(NotReadyMessage());
        return false;
    }
    m_grading = grading;
    m_scoreCaption = ScoreText(grading->Score);
    m_resultCaption = grading->band.caption;
    m_resultFontSize = grading->band.fontSize;
    // A paper handed in again shows the face of its new score.
    m_frown = grading->band.frown;
    tellGrading(*grading, rowGraded);
    return true;
}

void TestSession::tellGrading(const Grading &grading, const std::function<void(int)> &rowGraded)
{
    for (int k = 0; k < PaperProblems; ++k) {
        for (int error = 0; error < grading.rows[k].bracketErrors; ++error)
            m_messages.show(ExpressionErrorMessage());
        if (rowGraded)
            rowGraded(k);
    }
    // While sound is off the path is empty, and nothing plays.
    const QString &sound = m_sounds.pathFor(grading.band.sound);
    if (!sound.isEmpty())
        m_sound.play(sound);
}

void TestSession::save(const QString &paperText, const QString &paperFileName)
{
    if (paperText.trimmed().isEmpty()) {
        // An empty box would only wipe out an earlier paper saved under the same name.
        m_messages.show(NotReadyMessage());
        return;
    }
    const SaveOutcome outcome = m_store.save(paperText, paperFileName);
    if (outcome.ok())
        m_paper.markSaved();
    else
        m_messages.show(TestMessages::SaveFailed(outcome));
}

bool TestSession::mayClose(const QStringList &answers)
{
    return !m_paper.unfinished(answers) || m_messages.ask(LeaveUnfinishedTestQuestion());
}

void TestSession::setSoundOn(bool on)
{
    if (on)
        m_sounds.switchOn(m_settings);
    else
        m_sounds.switchOff();
}

std::optional<int> TestSession::RowAfter(int k)
{
    if (k < 0 || k + 1 >= PaperProblems)
        return std::nullopt;
    return k + 1;
}

QString TestSession::paperBoxText() const
{
    // The box holds plain line feeds; the window gives them back as CR LF.
    QString shown = m_paper.PaperText();
    return shown.replace(u"\r\n"_s, u"\n"_s);
}

QString TestSession::markText(int k) const
{
    return m_grading && k >= 0 && k < PaperProblems ? MarkText(m_grading->rows[k].right)
                                                    : QString();
}

QString TestSession::rightAnswerText(int k) const
{
    return m_grading && k >= 0 && k < PaperProblems ? m_grading->rightAnswers[k] : QString();
}

QString TestSession::explanation(int k) const
{
    return m_grading && k >= 0 && k < PaperProblems ? m_grading->explanations[k] : QString();
}
