// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answercheck.h"
#include "messageboxes.h"
#include "mistakes.h"
#include "practicetally.h"
#include "problemrecord.h"
#include "resultsounds.h"
#include "textsurface.h"
#include "typewriter.h"

#include <QPointF>
#include <QString>

#include <optional>

class Sound;
struct ProgramSettings;

/// The practice window without its widgets: the problem in hand and the two typewriters that
/// write it and its solution, the judging of the answer, the tally and the two logs, the
/// clock and the sound choice. Each event handler of the window calls one method here and
/// then shows what the getters say.
class PracticeSession {
public:
    /// Where the pupil stands with the current problem.
    enum class Phase {
        Opened,         ///< just loaded: no problem yet
        TypingProblem,  ///< the problem is being written out
        Answering,      ///< the answer box waits for Enter
        Right,          ///< the answer was right
        TypingSolution, ///< the answer was wrong: the solution is being written out
        SolutionShown,  ///< the solution is written out
    };
    enum class Face { None, Smile, Frown };

    /// Record 1 is the type's introduction; the problems start at record 2.
    static constexpr int FirstProblem = 2;
    static constexpr int MaxAnswerLength = ::MaxAnswerLength;
    /// The writing hand hangs this far below the top of the line being written.
    static constexpr double HandDrop = 250;
    static const TypewriterLayout ProblemLayout;
    static const TypewriterLayout SolutionLayout;

    PracticeSession(const ProgramSettings &settings, Sound &sound, MessageBoxes &messages);

    /// The load sequence: back to the first problem, a new tally, new logs and a new clock.
    /// The sound choice stays as it was.
    void load();
    /// "开始练习" / "继续练习": reads the next problem and starts writing it. A damaged record
    /// is passed over for the next sound one, and the pupil is told once per opening that the
    /// bank is damaged. When the bank holds no sound problem, tells the pupil so and changes
    /// nothing; returns false then.
    bool nextProblem();
    /// Every 200 ms while the problem is written out.
    void problemTick();
    /// Enter in the answer box: judges the line, once the problem has been written out.
    /// Returns false when there was nothing to judge.
    bool submitAnswer(const QString &line);
    /// Every 200 ms while the solution is written out.
    void solutionTick();
    /// Every second from load.
    void clockTick();
    /// The sound switch: "开" or "关".
    void setSoundOn(bool on);
    /// A right press on the problem log disables it until the next problem starts.
    void disableProblemLog() { m_problemLogEnabled = false; }

    Phase phase() const { return m_phase; }
    int problemNo() const { return m_problemNo; }
    int recordCount() const { return m_recordCount; }
    const ProblemRecord &record() const { return m_record; }
    int elapsedSeconds() const { return m_elapsedSeconds; }

    // What the controls show.
    bool nextEnabled() const;
    QString nextCaption() const;
    bool answerEnabled() const;
    bool problemLogEnabled() const { return m_problemLogEnabled; }
    bool problemTyping() const { return m_phase == Phase::TypingProblem; }
    bool solutionTyping() const { return m_phase == Phase::TypingSolution; }
    QPointF problemHand() const { return m_problemWriter.markerPlace(); }
    QPointF solutionHand() const { return m_solutionWriter.markerPlace(); }
    QString verdictMark() const;
    /// How to write the line just judged wrong, when it looks meant otherwise (an input method
    /// left on, a decimal comma, a left-out multiplication sign, a missing "%"): one hint at a
    /// time. Empty after a right answer, and from the next problem on.
    const QString &inputHint() const { return m_inputHint; }
    /// What went wrong, when the line just judged wrong has the value of one of the problem's
    /// typical wrong lines. Empty after a right answer, and from the next problem on.
    const QString &mistakeExplanation() const { return m_mistakeExplanation; }
    /// The one note shown beside the verdict: the input hint when there is one (a line not
    /// read as meant says nothing about the method behind it), else the explanation.
    const QString &verdictNote() const
    {
        return m_inputHint.isEmpty() ? m_mistakeExplanation : m_inputHint;
    }
    Face face() const;
    const QString &doneCaption() const { return m_doneCaption; }
    const QString &rightCaption() const { return m_rightCaption; }
    const QString &rateCaption() const { return m_rateCaption; }
    QString clockCaption() const;
    /// The problems met, each after CR LF: " 3、" and the problem.
    const QString &problemLog() const { return m_problemLog; }
    /// One line per verdict: "第3题对" or "第3题错", each followed by CR LF.
    const QString &verdictLog() const { return m_tally.log(); }
    const PracticeTally &tally() const { return m_tally; }

    bool soundOn() const { return m_sounds.isOn(); }
    const QString &rightSound() const { return m_sounds.RightSound(); }
    const QString &wrongSound() const { return m_sounds.WrongSound(); }

    TextSurface &problemSurface() { return m_problemSurface; }
    TextSurface &solutionSurface() { return m_solutionSurface; }
    const TextSurface &problemSurface() const { return m_problemSurface; }
    const TextSurface &solutionSurface() const { return m_solutionSurface; }
    const Typewriter &problemWriter() const { return m_problemWriter; }
    const Typewriter &solutionWriter() const { return m_solutionWriter; }

private:
    /// A problem read from the bank and the record it stands in.
    struct FoundProblem {
        int recordNo = 0;
        BankSnapshot snapshot;
    };
    std::optional<FoundProblem> findProblem(int recordNo, bool &damageFound) const;
    QString numberedProblem() const;

    const ProgramSettings &m_settings;
    Sound &m_sound;
    MessageBoxes &m_messages;

    Phase m_phase = Phase::Opened;
    int m_problemNo = FirstProblem;
    int m_recordCount = 0;
    ProblemRecord m_record = ProblemRecord::Blank();
    std::optional<bool> m_lastVerdict;
    QString m_inputHint;
    QString m_mistakeExplanation;
    QList<MistakeNote> m_mistakeNotes; // of the problem in hand
    bool m_started = false;
    bool m_problemLogEnabled = true;
    DamageNotice m_damageNotice;
    int m_elapsedSeconds = 0;
    PracticeTally m_tally;
    QString m_doneCaption;
    QString m_rightCaption;
    QString m_rateCaption;
    QString m_problemLog;
    // Kept from one opening of the window to the next.
    ResultSounds m_sounds;

    TextSurface m_problemSurface;
    TextSurface m_solutionSurface;
    Typewriter m_problemWriter;
    Typewriter m_solutionWriter;
};

/// A problem's sequence number as the window writes it: a blank where a sign would stand,
/// then the digits, as in " 3".
QString SequenceNumberText(int number);
