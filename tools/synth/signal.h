// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumaro::synth {

/// Every sound is made at this rate: plenty for chimes and a small tune, at half the size of
/// CD rate.
inline constexpr int kSampleRate = 22050;

/// A mono sound as floating-point samples at kSampleRate; full scale is ±1.
struct Sound {
    std::vector<float> samples;

    double seconds() const { return static_cast<double>(samples.size()) / kSampleRate; }
};

/// The sample that starts `seconds` into a sound.
std::size_t sampleIndex(double seconds);

/// The time of sample `index`.
double sampleTime(std::size_t index);

/// A silent sound of the given length.
Sound silence(double seconds);

/// Frequency of an equal-tempered MIDI note (69 is A4 = 440 Hz).
double midiToHz(int note);

/// Adds `part` into `mix`, starting `startSeconds` in and scaled by `gain`; `mix` grows to fit.
void mixInto(Sound &mix, const Sound &part, double startSeconds, float gain = 1.0f);

/// The largest absolute sample value.
float peakOf(const Sound &sound);

/// Scales the sound so that its loudest sample reaches `peak` (a fraction of full scale).
void normalizePeak(Sound &sound, float peak);

/// Fades the sound in and out at its ends, so it never starts or stops on a click.
void fadeEdges(Sound &sound, double fadeInSeconds, double fadeOutSeconds);

/// Rounds the sound to 16-bit PCM, clamping anything beyond full scale.
std::vector<std::int16_t> toPcm16(const Sound &sound);

/// White noise from a fixed seed, so the same sound comes out of every build.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : m_state(seed != 0 ? seed : 1u) {}

    /// The next sample, evenly spread over [-1, 1).
    float next();

private:
    std::uint32_t m_state;
};

/// A one-pole low-pass filter: gentle enough to round off noise without ringing.
class LowPass {
public:
    explicit LowPass(double cutoffHz);

    float process(float input);

private:
    float m_coefficient;
    float m_state = 0.0f;
};

} // namespace lumaro::synth
