// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messageboxes.h"
#include "problemrecord.h"
#include "typewriter.h"

#include <QPointF>
#include <QString>

class Sound;
class TextSurface;
struct ProgramSettings;

/// The worked examples without their window: walks through the records of the chosen bank one
/// at a time, writing each problem and then its solution onto the board while its narration
/// plays. Record 1 is the type's introduction; records 2, 3, … are examples 1, 2, …. Reaching
/// the bank's last record ends the walk with the closing words.
///
/// The window asks it what to show after each event: which typewriter runs, whether the next
/// button is enabled and how it reads, and where the writing marker stands.
class ExampleLesson {
public:
    enum class Phase {
        Loaded,         ///< nothing written yet
        TypingProblem,  ///< Timer1 runs
        TypingSolution, ///< Timer2 runs
        Complete,       ///< the example is written out; the next one may follow
        Ended,          ///< the closing words are shown
    };

    /// Where the writing marker stands when the window loads, in twips.
    static constexpr QPointF DesignMarkerPlace{2040, 1200};
    /// The closing words, and where they are written.
    static const QString ClosingWords;
    static constexpr QPointF ClosingWordsPlace{3000, 2000};
    /// How the problem and the solution are written on the board.
    static const TypewriterLayout ProblemLayout;
    static const TypewriterLayout SolutionLayout;

    ExampleLesson(TextSurface &surface, Sound &sound);

    /// The load sequence: an empty board, before the first record.
    void load();
    /// Command1: the next record, read from the chosen bank, with its narration. Damaged
    /// records are passed over for the next sound one.
    void nextExample(const ProgramSettings &settings);
    /// True once after the first damaged record of an opening was passed over: the window
    /// then says that the bank file is damaged.
    bool takeDamageNotice();
    /// Timer1: the next character of the problem text.
    void problemTick();
    /// Timer2: the next character of the solution text.
    void solutionTick();

    Phase phase() const { return m_phase; }
    bool problemTyping() const { return m_phase == Phase::TypingProblem; }
    bool solutionTyping() const { return m_phase == Phase::TypingSolution; }
    /// Whether Command1 can be clicked, and what it reads.
    bool nextEnabled() const { return m_phase == Phase::Loaded || m_phase == Phase::Complete; }
    QString nextCaption() const;
    QPointF markerPlace() const { return m_marker; }

    /// The record on the board (0 before the first click).
    int exampleNo() const { return m_exampleNo; }
    int recordCount() const { return m_recordCount; }
    /// Blanks written before the texts; 3 after load, 0 from the end of the first example's
    /// problem text on.
    int indent() const { return m_indent; }
    int problemTicks() const { return m_problem.ticks(); }
    int solutionTicks() const { return m_solution.ticks(); }

    /// The narration file of a record: the program folder, the narration prefix, the record
    /// number and ".ogg", as jiangjie13.ogg for record 3 of type 1. The narration is Ogg Opus,
    /// a tenth the size of a wave file.
    static QString NarrationPath(const ProgramSettings &settings, int record);

private:
    void startRecord();
    /// The part of a field that is written, after the indent.
    QString indented(const QString &field) const;
    void showClosingWords();
    void solutionFollows();

    TextSurface &m_surface;
    Sound &m_sound;
    Typewriter m_problem;
    Typewriter m_solution;
    ProblemRecord m_record;
    Phase m_phase = Phase::Loaded;
    int m_exampleNo = 0;
    int m_recordCount = 0;
    int m_indent = 3;
    DamageNotice m_damage;
    bool m_damageNotice = false;
    QPointF m_marker = DesignMarkerPlace;
};
