// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programsettings.h"

#include <QString>

#include <array>
#include <optional>

/// One of the five problem types of the content frame.
struct ProblemType {
    int number;        ///< 1 … 5
    QString labelName; ///< the label that chooses it
    QString caption;
    QString bankFileName;       ///< becomes BankFileName
    QString exampleSoundPrefix; ///< becomes ExampleSoundPrefix
};

/// The five types, in the order of their labels.
const std::array<ProblemType, 5> &ProblemTypes();

/// The positions of the main window's load, in twips, from the window's size.
struct MainLayout {
    double label1Left;
    double label12Left;
    double label3Top;
    double label15Top;
    double shape1Top;
    double imageTop; ///< Image1 and Image2
    double frameTop; ///< Frame1 and Frame2
    double frameLeft;
    double label14Left;
};

/// Label1's designed width, which places Label12.
inline constexpr double Label1Width = 6480;

MainLayout MainLayoutFor(double width, double height);

/// The main window without its widgets: the two-stage choice, the settings it sets, and the
/// counters of the motto, the title music and the picture pair.
class MainWindowLogic {
public:
    enum class Stage { Content, Mode };

    /// The two mottos, in turn.
    static const QString FirstMotto;
    static const QString SecondMotto;
    /// The title music, started one second after each load and every 29 seconds after that.
    static const QString TitleMusic;
    static constexpr int MusicPeriod = 29;

    explicit MainWindowLogic(ProgramSettings &settings);

    /// The load sequence's share: counters of the motto and the music to 0, back to stage 1.
    /// The picture pair's counter keeps running from one load to the next.
    void load();

    /// Chooses problem type 1 … 5: sets the bank and the narration prefix, moves to stage 2.
    void chooseType(int type);
    /// "返回": back to stage 1; the settings stay as they are.
    void backToContent();
    Stage stage() const { return m_stage; }

    /// Timer2, every 50 ms: the motto to show now, or nothing when the caption stays.
    std::optional<QString> mottoTick();
    /// How many more Timer2 ticks leave the motto shown as it is; the next one changes it.
    int mottoTicksUntilChange() const;
    /// Timer3, every second: true when the title music starts (again) on this tick.
    bool musicTick();
    /// How many more Timer3 ticks until the one that starts the title music.
    int musicTicksUntilPlay() const;
    /// Timer4, every 500 ms: true when Image1 shows on this tick, false when Image2 does.
    bool blinkTick();

    int captionTicks() const { return m_captionTicks; }
    int musicTicks() const { return m_musicTicks; }
    int blinkTicks() const { return m_blinkTicks; }

private:
    ProgramSettings &m_settings;
    Stage m_stage = Stage::Content;
    // 16-bit counters. The music and picture counters would outgrow 16 bits after hours on
    // screen; they start over at a multiple of their period, so the rhythm never breaks.
    int m_captionTicks = 0;
    QString m_shownMotto; // the last motto given out since the load
    int m_musicTicks = 0;
    int m_blinkTicks = 0;
};
