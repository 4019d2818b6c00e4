// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainlogic.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int CaptionStep = 15;
constexpr int FirstMottoEnd = 1000;
constexpr int SecondMottoEnd = 2000;
// The largest multiples of each period that a 16-bit counter holds.
constexpr int MusicWrap = MainWindowLogic::MusicPeriod * (32767 / MainWindowLogic::MusicPeriod);
constexpr int BlinkWrap = 32766;

// Adds one to a counter that starts over at wrap, keeping its remainder by the period.
int advance(int ticks, int wrap)
{
    return ticks >= wrap ? ticks - wrap + 1 : ticks + 1;
}

/// One Timer2 step of the caption counter: the motto it sets, if any.
std::optional<QString> stepMotto(int &captionTicks)
{
    captionTicks += CaptionStep;
    std::optional<QString> motto;
    if (captionTicks >= 0 && captionTicks <= FirstMottoEnd)
        motto = MainWindowLogic::FirstMotto;
    if (captionTicks >= FirstMottoEnd && captionTicks <= SecondMottoEnd)
        motto = MainWindowLogic::SecondMotto;
    if (captionTicks >= SecondMottoEnd)
        captionTicks = 0;
    return motto;
}

} // namespace

const QString MainWindowLogic::FirstMotto = u"掌握方法"_s;
const QString MainWindowLogic::SecondMotto = u"提高能力"_s;
const QString MainWindowLogic::TitleMusic = u"\\ptq.wav"_s;

const std::array<ProblemType, 5> &ProblemTypes()
{
    // Every type narrates its own worked examples.
    static const std::array<ProblemType, 5> types{{
        {1, u"Label4"_s, u"加减应用题"_s, u"\\tm1.dat"_s, u"\\jiangjie1"_s},
        {2, u"Label5"_s, u"乘除应用题"_s, u"\\tm2.dat"_s, u"\\jiangjie2"_s},
        {3, u"Label6"_s, u"分数应用题"_s, u"\\tm3.dat"_s, u"\\jiangjie3"_s},
        {4, u"Label7"_s, u"比例应用题"_s, u"\\tm4.dat"_s, u"\\jiangjie4"_s},
        {5, u"Label8"_s, u"综合应用题"_s, u"\\tm5.dat"_s, u"\\jiangjie5"_s},
    }};
    return types;
}

MainLayout MainLayoutFor(double width, double height)
{
    MainLayout layout{};
    layout.label1Left = width / 4;
    layout.label12Left = layout.label1Left + Label1Width / 5;
    layout.label3Top = height - 2000;
    layout.label15Top = height - 4000;
    layout.shape1Top = height - 4200;
    layout.imageTop = height - 4000;
    layout.frameTop = height - 8000;
    layout.frameLeft = width - 4000;
    layout.label14Left = layout.frameLeft;
    return layout;
}

MainWindowLogic::MainWindowLogic(ProgramSettings &settings) : m_settings(settings) {}

void MainWindowLogic::load()
{
    m_captionTicks = 0;
    m_shownMotto.clear();
    m_musicTicks = 0;
    m_stage = Stage::Content;
}

void MainWindowLogic::chooseType(int type)
{
    if (type < 1 || type > int(ProblemTypes().size()))
        return;
    const ProblemType &chosen = ProblemTypes()[type - 1];
    m_settings.BankFileName = chosen.bankFileName;
    m_settings.ExampleSoundPrefix = chosen.exampleSoundPrefix;
    m_stage = Stage::Mode;
}

void MainWindowLogic::backToContent()
{
    m_stage = Stage::Content;
}

std::optional<QString> MainWindowLogic::mottoTick()
{
    std::optional<QString> motto = stepMotto(m_captionTicks);
    if (motto)
        m_shownMotto = *motto;
    return motto;
}

int MainWindowLogic::mottoTicksUntilChange() const
{
    // Within two cycles the motto changes, unless the counter was set far outside them.
    constexpr int Horizon = 2 * (SecondMottoEnd / CaptionStep + 2);
    int captionTicks = m_captionTicks;
    for (int ticks = 1; ticks < Horizon; ++ticks) {
        const std::optional<QString> motto = stepMotto(captionTicks);
        if (motto && *motto != m_shownMotto)
            return ticks;
    }
    return 1;
}

int MainWindowLogic::musicTicksUntilPlay() const
{
    // The counter keeps its remainder by the period when it starts over.
    const int remainder = m_musicTicks % MusicPeriod;
    return remainder == 0 ? 1 : MusicPeriod - remainder + 1;
}

bool MainWindowLogic::musicTick()
{
    m_musicTicks = advance(m_musicTicks, MusicWrap);
    return m_musicTicks % MusicPeriod == 1;
}

bool MainWindowLogic::blinkTick()
{
    m_blinkTicks = advance(m_blinkTicks, BlinkWrap);
    return m_blinkTicks % 2 == 0;
}
