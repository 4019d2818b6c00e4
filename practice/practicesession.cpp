// SPDX-License-Identifier: GPL-3.0-or-later
#include "practicesession.h"

#include "answercheck.h"
#include "designscreen.h"
#include "inputhint.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "practicelayout.h"
#include "programsettings.h"
#include "recordcheck.h"
#include "sound.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString DoneLabel = u"做题数："_s;
const QString RightLabel = u"对题数："_s;
const QString RateLabel = u"对题率："_s;

} // namespace

namespace {

/// Written in 宋体 with the writing hand below the line being written, in a box of the design.
TypewriterLayout handWriting(double wrapAt, double leftMargin, const QRectF &box, double points)
{
    return {.wrapAt = wrapAt,
            .leftMargin = leftMargin,
            .rightEdge = box.width(),
            .marker = {0, PracticeSession::HandDrop},
            .markerAtMargin = {0, PracticeSession::HandDrop},
            .fontName = u"宋体"_s,
            .fontSize = points};
}

const PracticeLayout Design =
    PracticeLayoutFor(DesignScreen::WidthTwips, DesignScreen::HeightTwips);

} // namespace

// The problem box leaves a little room on the left; the solution runs from the edge.
const TypewriterLayout PracticeSession::ProblemLayout = handWriting(7000, 150, Design.pic1, 14.25);
const TypewriterLayout PracticeSession::SolutionLayout = handWriting(5000, 0, Design.pic2, 12);

PracticeSession::PracticeSession(const ProgramSettings &settings, Sound &sound,
                                 MessageBoxes &messages)
    : m_settings(settings), m_sound(sound), m_messages(messages),
      m_problemWriter(m_problemSurface, ProblemLayout),
      m_solutionWriter(m_solutionSurface, SolutionLayout)
{
    load();
}

void PracticeSession::load()
{
    m_phase = Phase::Opened;
    m_problemNo = FirstProblem;
    m_recordCount = 0;
    m_record = ProblemRecord::Blank();
    m_lastVerdict.reset();
    m_inputHint.clear();
    m_mistakeExplanation.clear();
    m_mistakeNotes.clear();
    m_started = false;
    m_problemLogEnabled = true;
    m_damageNotice.reset();
    m_elapsedSeconds = 0;
    m_tally.reset();
    m_doneCaption = DoneLabel;
    m_rightCaption = RightLabel;
    m_rateCaption = RateLabel;
    m_problemLog.clear();
    m_problemWriter.stop();
    m_solutionWriter.stop();
    m_problemSurface.clear();
    m_solutionSurface.clear();
}

std::optional<PracticeSession::FoundProblem> PracticeSession::findProblem(int recordNo,
                                                                          bool &damageFound) const
{
    for (int tried = 0;; ++tried) {
        const BankSnapshot snapshot = ReadBankSnapshot(m_settings.bankPath(), recordNo);
        const int count = snapshot.RecordCount;
        if (count < FirstProblem)
            return std::nullopt;
        // The bank may have grown shorter since the last problem: start again at the first.
        if (recordNo > count) {
            recordNo = FirstProblem;
            continue;
        }
        if (IsSoundRecord(snapshot.record, RecordRole::Problem))
            return FoundProblem{recordNo, snapshot};
        damageFound = true;
        // Records 2 … N are the problems; once round them is enough.
        if (tried + 1 >= count - 1)
            return std::nullopt;
        recordNo = recordNo >= count ? FirstProblem : recordNo + 1;
    }
}

bool PracticeSession::nextProblem()
{
    if (!nextEnabled())
        return false;
    // The count read with the previous problem decides whether the bank starts again
    // (0 before the first problem), so the problems run 2, 3, …, N, 2, 3, …
    const int next = (m_problemNo >= m_recordCount ? 1 : m_problemNo) + 1;
    bool damageFound = false;
    const std::optional<FoundProblem> found = findProblem(next, damageFound);
    if (const std::optional<Message> notice = m_damageNotice.messageAfter(damageFound, bool(found)))
        m_messages.show(*notice);
    if (!found)
        return false;
    m_problemNo = found->recordNo;
    m_recordCount = found->snapshot.RecordCount;
    m_record = found->snapshot.record;
    m_problemLogEnabled = true;
    m_lastVerdict.reset();
    m_inputHint.clear();
    m_mistakeExplanation.clear();
    m_mistakeNotes = NotesOfRecord(ReadMistakeBook(m_settings.bankPath()).notes, m_problemNo);
    m_started = true;
    m_problemSurface.clear();
    m_solutionSurface.clear();
    m_solutionWriter.stop();
    m_doneCaption = DoneLabel % QString::number(m_problemNo - 1);
    m_phase = Phase::TypingProblem;
    m_problemWriter.start(numberedProblem());
    return true;
}

QString PracticeSession::numberedProblem() const
{
    return SequenceNumberText(m_problemNo - 1) % u"、"_s % TypedPartOf(m_record.ProblemText);
}

void PracticeSession::problemTick()
{
    if (m_phase != Phase::TypingProblem)
        return;
    if (m_problemWriter.tick() != Typewriter::Step::Finished)
        return;
    m_problemLog += u"\r\n"_s % numberedProblem();
    m_phase = Phase::Answering;
}

bool PracticeSession::submitAnswer(const QString &line)
{
    if (m_phase != Phase::Answering)
        return false;
    const Verdict verdict = CheckAnswer(line.left(MaxAnswerLength), m_record);
    // Decided before any message box opens, so a second Enter meanwhile finds nothing to do.
    m_phase = verdict.right ? Phase::Right : Phase::TypingSolution;
    for (int i = 0; i < verdict.bracketErrors; ++i)
        m_messages.show(ExpressionErrorMessage());
    m_lastVerdict = verdict.right;
    m_inputHint = PracticeInputHint(line.left(MaxAnswerLength), m_record, verdict.right);
    m_mistakeExplanation =
        verdict.right ? QString() : ExplanationFor(m_mistakeNotes, line.left(MaxAnswerLength));
    const QString &sound =
        m_sounds.pathFor(verdict.right ? ResultSound::Right : ResultSound::Wrong);
    if (!sound.isEmpty())
        m_sound.play(sound);
    if (!verdict.right)
        m_solutionWriter.start(TypedPartOf(m_record.SolutionText));
    const PracticeTally::Labels labels = m_tally.RecordVerdict(verdict.right, m_problemNo);
    m_rightCaption = labels.count;
    m_rateCaption = labels.rate;
    return true;
}

void PracticeSession::solutionTick()
{
    if (m_phase != Phase::TypingSolution)
        return;
    if (m_solutionWriter.tick() == Typewriter::Step::Finished)
        m_phase = Phase::SolutionShown;
}

void PracticeSession::clockTick()
{
    ++m_elapsedSeconds;
}

void PracticeSession::setSoundOn(bool on)
{
    if (on)
        m_sounds.switchOn(m_settings);
    else
        m_sounds.switchOff();
}

bool PracticeSession::nextEnabled() const
{
    return m_phase == Phase::Opened || m_phase == Phase::Right || m_phase == Phase::SolutionShown;
}

QString PracticeSession::nextCaption() const
{
    return m_started ? u"继续练习"_s : u"开始练习"_s;
}

bool PracticeSession::answerEnabled() const
{
    return m_phase == Phase::Opened || m_phase == Phase::Answering;
}

QString PracticeSession::verdictMark() const
{
    if (!m_lastVerdict)
        return {};
    return *m_lastVerdict ? u"√"_s : u"×"_s;
}

PracticeSession::Face PracticeSession::face() const
{
    if (!m_lastVerdict)
        return Face::None;
    return *m_lastVerdict ? Face::Smile : Face::Frown;
}

QString PracticeSession::clockCaption() const
{
    return ClockText(m_elapsedSeconds);
}

QString SequenceNumberText(int number)
{
    return number < 0 ? QString::number(number) : u" "_s % QString::number(number);
}
