// SPDX-License-Identifier: GPL-3.0-or-later
#include "instruments.h"
#include "sounds.h"

#include <array>

namespace lumaro::synth {

namespace {

// A lively walking pace; nine bars of it make a tune of about twenty seconds.
constexpr double kBeatSeconds = 60.0 / 112.0;
constexpr int kBeatsPerBar = 4;
constexpr double kTailSeconds = 1.2;

struct MelodyNote {
    int midi;
    double beats;
};

// MIDI numbers of the notes the tune uses: the major pentatonic scale on C, which has no
// half steps and so always sounds bright and simple.
enum Pitch : int { C5 = 72, D5 = 74, E5 = 76, G5 = 79, A5 = 81, C6 = 84 };

// The tune starts after one bar of accompaniment alone.
// One bar per line, so it reads like the score.
// clang-format off
constexpr auto kMelody = std::to_array<MelodyNote>({
    // bar 2 (C)
    {E5, 1}, {G5, 1}, {A5, 0.5}, {G5, 0.5}, {E5, 1},
    // bar 3 (F)
    {A5, 1}, {C6, 1}, {A5, 1}, {G5, 1},
    // bar 4 (G)
    {G5, 0.5}, {A5, 0.5}, {G5, 0.5}, {E5, 0.5}, {D5, 2},
    // bar 5 (C)
    {E5, 1}, {D5, 1}, {C5, 2},
    // bar 6 (C)
    {E5, 1}, {G5, 1}, {C6, 1}, {A5, 1},
    // bar 7 (F)
    {C6, 0.5}, {A5, 0.5}, {G5, 0.5}, {A5, 0.5}, {C6, 1}, {A5, 1},
    // bar 8 (G)
    {G5, 1}, {E5, 0.5}, {G5, 0.5}, {D5, 1}, {E5, 0.5}, {D5, 0.5},
    // bar 9 (C)
    {C5, 4},
});
// clang-format on

struct BarHarmony {
    int bassRoot;
    int bassFifth;
    std::array<int, 3> chord;
};

constexpr BarHarmony kChordC{48, 55, {60, 64, 67}};
constexpr BarHarmony kChordF{41, 48, {57, 60, 65}};
constexpr BarHarmony kChordG{43, 50, {59, 62, 67}};

constexpr auto kBars = std::to_array<BarHarmony>(
    {kChordC, kChordC, kChordF, kChordG, kChordC, kChordC, kChordF, kChordG, kChordC});

constexpr double melodyBeats()
{
    double beats = 0.0;
    for (const MelodyNote &note : kMelody) {
        beats += note.beats;
    }
    return beats;
}

// The tune must fill every bar after the opening one, or it drifts against the accompaniment.
static_assert(melodyBeats() == (kBars.size() - 1) * kBeatsPerBar);

constexpr float kMelodyGain = 0.55f;
constexpr float kBassGain = 0.4f;
constexpr float kChordGain = 0.12f;
constexpr float kShakerGain = 0.05f;

double barStart(std::size_t bar)
{
    return static_cast<double>(bar) * kBeatsPerBar * kBeatSeconds;
}

void addMelody(Sound &mix)
{
    double beat = kBeatsPerBar; // after the opening bar
    for (const MelodyNote &note : kMelody) {
        // Let each note ring a little into the next one, as a struck bar would.
        const double ring = note.beats * kBeatSeconds + 0.15;
        mixInto(mix, malletNote(midiToHz(note.midi), ring), beat * kBeatSeconds, kMelodyGain);
        beat += note.beats;
    }
}

// "Oom-pah": bass on the strong beats, a light chord on the weak ones.
void addOomPahBar(Sound &mix, const BarHarmony &harmony, double start)
{
    const double half = 2 * kBeatSeconds;
    mixInto(mix, bassNote(midiToHz(harmony.bassRoot), half), start, kBassGain);
    mixInto(mix, bassNote(midiToHz(harmony.bassFifth), half), start + half, kBassGain);
    for (int weakBeat : {1, 3}) {
        for (int note : harmony.chord) {
            mixInto(mix, chordNote(midiToHz(note), 0.6 * kBeatSeconds),
                    start + weakBeat * kBeatSeconds, kChordGain);
        }
    }
}

void addFinalChord(Sound &mix, const BarHarmony &harmony, double start)
{
    const double length = kBeatsPerBar * kBeatSeconds + kTailSeconds;
    mixInto(mix, bassNote(midiToHz(harmony.bassRoot), length), start, kBassGain);
    for (int note : harmony.chord) {
        mixInto(mix, malletNote(midiToHz(note), length), start, kChordGain);
    }
}

void addShakerBar(Sound &mix, std::size_t bar, double start)
{
    for (int eighth = 1; eighth < 2 * kBeatsPerBar; eighth += 2) {
        const auto seed = static_cast<std::uint32_t>(bar * 8 + static_cast<std::size_t>(eighth));
        mixInto(mix, shakerTick(seed + 1), start + eighth * 0.5 * kBeatSeconds, kShakerGain);
    }
}

void addAccompaniment(Sound &mix)
{
    const std::size_t last = kBars.size() - 1;
    for (std::size_t bar = 0; bar < last; ++bar) {
        addOomPahBar(mix, kBars[bar], barStart(bar));
        addShakerBar(mix, bar, barStart(bar));
    }
    addFinalChord(mix, kBars[last], barStart(last));
}

} // namespace

Sound titleMusic()
{
    Sound mix = silence(barStart(kBars.size()) + kTailSeconds);
    addAccompaniment(mix);
    addMelody(mix);
    // Nothing may ring past the written end: the window restarts the tune on a fixed beat.
    mix.samples.resize(sampleIndex(barStart(kBars.size()) + kTailSeconds));
    normalizePeak(mix, 0.8f);
    fadeEdges(mix, 0.005, 0.6);
    return mix;
}

} // namespace lumaro::synth
