// SPDX-License-Identifier: GPL-3.0-or-later
#include "examplelesson.h"

#include "designscreen.h"
#include "programsettings.h"
#include "recordcheck.h"
#include "sound.h"
#include "textsurface.h"
#include "units.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// The window is designed in 华文新魏 18 pt; the examples are written in 新宋体 of that size.
const QString DesignFont = u"华文新魏"_s;
const QString BoardFont = u"新宋体"_s;
constexpr double BoardPoints = 18;
constexpr double ClosingPoints = 36;
// The introduction's solution runs on from its problem text, this far left of the marker.
constexpr double IntroductionStepBack = 450;
// The marker sits under the closing words, this far from where they start.
constexpr QPointF ClosingMarkerOffset{4000, 800};

} // namespace

const QString ExampleLesson::ClosingWords = u"例题讲解结束"_s;

// The board's lines wrap at 12000 twips, double-spaced, right of a 2000-twip margin. The
// problem opens two lines down with the marker 100 twips right of the pen; the solution's
// marker stands at the pen, 100 twips right of it at the margin.
const TypewriterLayout ExampleLesson::ProblemLayout{
    .wrapAt = 12000,
    .leftMargin = 2000,
    .rightEdge = DesignScreen::WidthTwips,
    .linesPerWrap = 2,
    .openingLines = 2,
    .marker = {100, 300},
    .markerAtMargin = {100, 300},
};
const TypewriterLayout ExampleLesson::SolutionLayout{
    .wrapAt = 12000,
    .leftMargin = 2000,
    .rightEdge = DesignScreen::WidthTwips,
    .linesPerWrap = 2,
    .marker = {0, 300},
    .markerAtMargin = {100, 300},
};

ExampleLesson::ExampleLesson(TextSurface &surface, Sound &sound)
    : m_surface(surface), m_sound(sound), m_problem(surface, ProblemLayout),
      m_solution(surface, SolutionLayout)
{
}

void ExampleLesson::load()
{
    m_indent = 3;
    m_exampleNo = 0;
    m_damage.reset();
    m_damageNotice = false;
    m_recordCount = 0;
    m_record = ProblemRecord::Blank();
    m_problem.stop();
    m_solution.stop();
    m_phase = Phase::Loaded;
    m_marker = DesignMarkerPlace;
    m_surface.clear();
    m_surface.setFontName(DesignFont);
    m_surface.setFontSize(BoardPoints);
    m_surface.setTextColor(RedColor());
}

bool ExampleLesson::takeDamageNotice()
{
    return std::exchange(m_damageNotice, false);
}

QString ExampleLesson::nextCaption() const
{
    return m_phase == Phase::Loaded ? u"开始学习"_s : u"下一题"_s;
}

QString ExampleLesson::NarrationPath(const ProgramSettings &settings, int record)
{
    return settings.path(settings.ExampleSoundPrefix % QString::number(record) % u".ogg"_s);
}

void ExampleLesson::nextExample(const ProgramSettings &settings)
{
    if (!nextEnabled())
        return;
    m_surface.clear();
    ++m_exampleNo;
    BankSnapshot bank = ReadBankSnapshot(settings.bankPath(), m_exampleNo);
    // A damaged record is passed over; the walk always goes on, at the latest to the end.
    bool damageFound = false;
    while (m_exampleNo < bank.RecordCount &&
           !IsSoundRecord(bank.record, RoleOfRecord(m_exampleNo))) {
        damageFound = true;
        ++m_exampleNo;
        bank = ReadBankSnapshot(settings.bankPath(), m_exampleNo);
    }
    m_damageNotice = m_damage.due(damageFound, true);
    m_recordCount = bank.RecordCount;
    m_record = bank.record;
    // The narration of the bank's last record holds the closing words.
    m_sound.play(NarrationPath(settings, m_exampleNo));
    if (m_exampleNo >= m_recordCount)
        showClosingWords();
    else
        startRecord();
}

void ExampleLesson::startRecord()
{
    m_surface.setFontName(BoardFont);
    m_surface.setFontSize(BoardPoints);
    m_surface.setTextColor(RedColor());
    // Record 1 is the type's introduction and has no heading.
    if (m_exampleNo != 1) {
        m_surface.newLine();
        m_surface.print(u"    例题 "_s % QString::number(m_exampleNo - 1), true);
    }
    m_surface.newLine();
    m_problem.start(indented(m_record.ProblemText));
    m_phase = Phase::TypingProblem;
}

QString ExampleLesson::indented(const QString &field) const
{
    return QString(qMax(m_indent, 0), u' ') + TypedPartOf(field);
}

void ExampleLesson::showClosingWords()
{
    m_surface.clear();
    m_surface.setFontName(DesignFont);
    m_surface.setFontSize(ClosingPoints);
    m_surface.setTextColor(RedColor());
    m_surface.setCurrentX(ClosingWordsPlace.x());
    m_surface.setCurrentY(ClosingWordsPlace.y());
    m_marker = ClosingWordsPlace + ClosingMarkerOffset;
    m_surface.print(ClosingWords, true);
    m_phase = Phase::Ended;
}

void ExampleLesson::problemTick()
{
    if (!problemTyping())
        return;
    if (m_problem.tick() != Typewriter::Step::Finished) {
        m_marker = m_problem.markerPlace();
        return;
    }
    solutionFollows();
}

void ExampleLesson::solutionFollows()
{
    const bool introduction = m_exampleNo == 1;
    if (introduction) {
        // The introduction reads as one text: its solution runs on along the same line.
        m_surface.setCurrentX(m_surface.currentX() - IntroductionStepBack);
    } else {
        m_surface.newLine();
        m_surface.newLine();
        m_indent = 0;
    }
    m_solution.start(indented(m_record.SolutionText),
                     introduction ? Typewriter::Breaks::AtWrap : Typewriter::Breaks::AfterClauses);
    m_phase = Phase::TypingSolution;
}

void ExampleLesson::solutionTick()
{
    if (!solutionTyping())
        return;
    if (m_solution.tick() == Typewriter::Step::Finished)
        m_phase = Phase::Complete;
    else
        m_marker = m_solution.markerPlace();
}
