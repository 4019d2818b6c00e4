// SPDX-License-Identifier: GPL-3.0-or-later
#include "instruments.h"
#include "sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace lumaro::synth {

namespace {

constexpr double kChimeSeconds = 0.8;
constexpr double kSecondBellDelay = 0.12;
constexpr int kChimeFirstNote = 88;  // E6
constexpr int kChimeSecondNote = 93; // A6, a fourth up: "ding-ding!"

constexpr double kBonkSeconds = 0.6;
constexpr double kBonkStartHz = 200.0;
constexpr double kBonkEndHz = 80.0;
constexpr double kBonkGlideSeconds = 0.45;
constexpr double kThudCutoffHz = 450.0;

constexpr double kAlertSeconds = 0.25;
constexpr double kAlertHz = 740.0;

// The pitch of the bonk slides down like a ball losing its bounce.
double glideHz(double t)
{
    const double progress = std::min(t / kBonkGlideSeconds, 1.0);
    return kBonkStartHz * std::pow(kBonkEndHz / kBonkStartHz, progress);
}

float softEnvelope(double t, double attackSeconds, double decaySeconds)
{
    const double rise = std::min(t / attackSeconds, 1.0);
    return static_cast<float>(rise * std::exp(-t / decaySeconds));
}

Sound fallingTone()
{
    Sound tone = silence(kBonkSeconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < tone.samples.size(); ++i) {
        const double t = sampleTime(i);
        phase += 2.0 * std::numbers::pi * glideHz(t) / kSampleRate;
        // A little second harmonic gives it the hollow knock of wood rather than a pure beep.
        const double wave = std::sin(phase) + 0.2 * std::sin(2.0 * phase);
        tone.samples[i] = softEnvelope(t, 0.006, 0.16) * static_cast<float>(wave);
    }
    return tone;
}

Sound muffledThud()
{
    NoiseSource noise(20240611u);
    // Two filters in a row take the hiss away and leave a soft "puff".
    LowPass first(kThudCutoffHz);
    LowPass second(kThudCutoffHz);
    Sound thud = silence(kBonkSeconds);
    for (std::size_t i = 0; i < thud.samples.size(); ++i) {
        const float muffled = second.process(first.process(noise.next()));
        thud.samples[i] = softEnvelope(sampleTime(i), 0.005, 0.07) * muffled;
    }
    normalizePeak(thud, 1.0f);
    return thud;
}

} // namespace

Sound rightAnswerChime()
{
    Sound chime = silence(kChimeSeconds);
    mixInto(chime, bellNote(midiToHz(kChimeFirstNote), kChimeSeconds), 0.0, 0.8f);
    mixInto(chime, bellNote(midiToHz(kChimeSecondNote), kChimeSeconds - kSecondBellDelay),
            kSecondBellDelay, 1.0f);
    normalizePeak(chime, 0.7f);
    fadeEdges(chime, 0.002, 0.1);
    return chime;
}

Sound wrongAnswerBonk()
{
    Sound bonk = silence(kBonkSeconds);
    mixInto(bonk, fallingTone(), 0.0, 1.0f);
    mixInto(bonk, muffledThud(), 0.0, 0.6f);
    normalizePeak(bonk, 0.7f);
    fadeEdges(bonk, 0.003, 0.1);
    return bonk;
}

Sound alertDing()
{
    static constexpr std::array<Partial, 2> partials{{
        {1.0, 1.0f, 0.09},
        {2.0, 0.2f, 0.04},
    }};
    Sound ding = struckTone(kAlertHz, kAlertSeconds, 0.004, partials);
    normalizePeak(ding, 0.6f);
    fadeEdges(ding, 0.002, 0.03);
    return ding;
}

} // namespace lumaro::synth
