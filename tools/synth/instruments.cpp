// SPDX-License-Identifier: GPL-3.0-or-later
#include "instruments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace lumaro::synth {

namespace {

constexpr double kNoteReleaseSeconds = 0.03;
constexpr double kNyquistMargin = 0.45 * kSampleRate;

float attackGain(double t, double attackSeconds)
{
    if (t >= attackSeconds) {
        return 1.0f;
    }
    const double s = std::sin(0.5 * std::numbers::pi * t / attackSeconds);
    return static_cast<float>(s * s);
}

float releaseGain(double t, double seconds)
{
    const double left = seconds - t;
    if (left >= kNoteReleaseSeconds) {
        return 1.0f;
    }
    return static_cast<float>(std::max(left, 0.0) / kNoteReleaseSeconds);
}

float partialsAt(double hz, double t, std::span<const Partial> partials)
{
    double sum = 0.0;
    for (const Partial &partial : partials) {
        const double frequency = hz * partial.ratio;
        if (frequency >= kNyquistMargin) {
            continue; // would fold back as an out-of-tune whistle
        }
        sum += partial.amplitude * std::exp(-t / partial.decaySeconds) *
               std::sin(2.0 * std::numbers::pi * frequency * t);
    }
    return static_cast<float>(sum);
}

} // namespace

Sound struckTone(double hz, double seconds, double attackSeconds, std::span<const Partial> partials)
{
    Sound tone = silence(seconds);
    for (std::size_t i = 0; i < tone.samples.size(); ++i) {
        const double t = sampleTime(i);
        tone.samples[i] =
            attackGain(t, attackSeconds) * releaseGain(t, seconds) * partialsAt(hz, t, partials);
    }
    return tone;
}

Sound malletNote(double hz, double seconds)
{
    static constexpr std::array<Partial, 3> partials{{
        {1.0, 1.0f, 0.8},
        {2.0, 0.15f, 0.3},
        {4.0, 0.06f, 0.1},
    }};
    return struckTone(hz, seconds, 0.008, partials);
}

Sound bassNote(double hz, double seconds)
{
    static constexpr std::array<Partial, 3> partials{{
        {1.0, 1.0f, 1.2},
        {2.0, 0.3f, 0.5},
        {3.0, 0.08f, 0.25},
    }};
    return struckTone(hz, seconds, 0.02, partials);
}

Sound chordNote(double hz, double seconds)
{
    static constexpr std::array<Partial, 2> partials{{
        {1.0, 1.0f, 0.25},
        {2.0, 0.2f, 0.1},
    }};
    return struckTone(hz, seconds, 0.01, partials);
}

Sound bellNote(double hz, double seconds)
{
    // The inharmonic overtones of a small metal bar are what make it sound like a bell;
    // they die away quickly and leave a clean, sweet fundamental.
    static constexpr std::array<Partial, 4> partials{{
        {1.0, 1.0f, 0.35},
        {2.0, 0.15f, 0.2},
        {2.76, 0.3f, 0.12},
        {5.40, 0.12f, 0.05},
    }};
    return struckTone(hz, seconds, 0.003, partials);
}

Sound shakerTick(std::uint32_t seed)
{
    NoiseSource noise(seed);
    LowPass body(3000.0);
    Sound tick = silence(0.06);
    for (std::size_t i = 0; i < tick.samples.size(); ++i) {
        const double t = sampleTime(i);
        const float white = noise.next();
        // White minus its low part: only the airy top is left.
        const float airy = white - body.process(white);
        tick.samples[i] = attackGain(t, 0.003) * releaseGain(t, tick.seconds()) *
                          static_cast<float>(std::exp(-t / 0.02)) * airy;
    }
    return tick;
}

} // namespace lumaro::synth
