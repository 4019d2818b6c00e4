// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grading.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "papersaver.h"
#include "resultsounds.h"
#include "testclock.h"
#include "testpaper.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Sound;
struct ProgramSettings;

/// The test window without its widgets: the paper, its grading and saving, the clock, the
/// bobbing face and the sound switch. Each event handler of the window calls one method here
/// and then shows what the getters say. The paper box and the answer boxes belong to the
/// pupil, so the window hands their texts in where they are needed.
class TestSession {
public:
    /// The result label's words before a paper is handed in, and their size in points.
    static const QString Motto;
    static constexpr double MottoSize = 24;

    /// paperFolder is where papers are saved unless the pupil names another folder. random
    /// draws the papers; it is seeded once, by the caller.
    TestSession(const ProgramSettings &settings, Sound &sound, MessageBoxes &messages,
                const QString &paperFolder,
                QRandomGenerator random = QRandomGenerator::securelySeeded());

    /// The load sequence: no paper, the clock at 0, sound off, and the paper folder made.
    void load();
    /// "出题": a new paper from the chosen bank, the marks of the last one cleared. Tells the
    /// pupil when the bank is damaged or holds too few problems; returns whether a paper was
    /// composed.
    bool compose();
    /// "交卷": grades the answers of rows 0 … 9, says each row's bracket errors and then calls
    /// rowGraded(k), so the window shows row k's mark after the messages about it; at the end
    /// plays the result sound. Without a paper, tells the pupil so and changes nothing;
    /// returns false then.
    bool handIn(const QStringList &answers, const std::function<void(int)> &rowGraded = {});
    /// "保存": saves paperText under the name in the path box; says why when it cannot.
    void save(const QString &paperText, const QString &paperFileName);
    /// The close box, with the answers as they stand: asks first when leaving would lose the
    /// pupil's work. Returns whether to close.
    bool mayClose(const QStringList &answers);
    /// The sound switch: "开" or "关".
    void setSoundOn(bool on);
    /// Every second from load.
    void clockTick() { m_clock.tick(); }
    /// Every tick of the face's timer.
    void smileyTick() { m_bob.tick(); }

    /// The row the Enter key in row k moves on to; none from the last row.
    static std::optional<int> RowAfter(int k);

    const TestPaper &paper() const { return m_paper; }
    const ResultSounds &sounds() const { return m_sounds; }
    const TestClock &clock() const { return m_clock; }
    const SmileyBob &smiley() const { return m_bob; }
    const PaperStore &store() const { return m_store; }

    // What the controls show.
    /// The paper as composed, with plain line feeds, for the paper box.
    QString paperBoxText() const;
    QString clockCaption() const { return ClockText(m_clock.ElapsedSeconds()); }
    double smileyTop() const { return SmileyBob::TopAt(m_bob.AnimationTicks()); }
    /// The score card; empty while no score is shown.
    const QString &scoreCaption() const { return m_scoreCaption; }
    const QString &resultCaption() const { return m_resultCaption; }
    double resultFontSize() const { return m_resultFontSize; }
    bool frown() const { return m_frown; }
    /// The last grading, while its marks stand; none after load and once a paper is composed.
    const std::optional<Grading> &grading() const { return m_grading; }
    /// Row k's mark, its right answer and its explanation; empty before a hand-in.
    QString markText(int k) const;
    QString rightAnswerText(int k) const;
    QString explanation(int k) const;
    QString inputHint() const { return m_grading ? m_grading->inputHint : QString(); }

private:
    void showMotto();
    void tellGrading(const Grading &grading, const std::function<void(int)> &rowGraded);

    const ProgramSettings &m_settings;
    Sound &m_sound;
    MessageBoxes &m_messages;
    TestPaper m_paper;
    PaperStore m_store;
    ResultSounds m_sounds;
    TestClock m_clock;
    SmileyBob m_bob;
    DamageNotice m_damageNotice;
    std::optional<Grading> m_grading;
    QString m_scoreCaption;
    QString m_resultCaption;
    double m_resultFontSize = MottoSize;
    bool m_frown = false;
};
