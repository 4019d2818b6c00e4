// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumaro::synth {

std::size_t sampleIndex(double seconds)
{
    return static_cast<std::size_t>(std::lround(std::max(seconds, 0.0) * kSampleRate));
}

double sampleTime(std::size_t index)
{
    return static_cast<double>(index) / kSampleRate;
}

Sound silence(double seconds)
{
    return Sound{std::vector<float>(sampleIndex(seconds), 0.0f)};
}

double midiToHz(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

void mixInto(Sound &mix, const Sound &part, double startSeconds, float gain)
{
    const std::size_t start = sampleIndex(startSeconds);
    if (mix.samples.size() < start + part.samples.size()) {
        mix.samples.resize(start + part.samples.size(), 0.0f);
    }
    for (std::size_t i = 0; i < part.samples.size(); ++i) {
        mix.samples[start + i] += gain * part.samples[i];
    }
}

float peakOf(const Sound &sound)
{
    float peak = 0.0f;
    for (float sample : sound.samples) {
        peak = std::max(peak, std::abs(sample));
    }
    return peak;
}

void normalizePeak(Sound &sound, float peak)
{
    const float current = peakOf(sound);
    if (current <= 0.0f) {
        return;
    }
    const float scale = peak / current;
    for (float &sample : sound.samples) {
        sample *= scale;
    }
}

namespace {

// Raised cosine: starts and ends with zero slope, which keeps fades inaudible.
float fadeInGain(std::size_t index, std::size_t length)
{
    const double phase = static_cast<double>(index) / static_cast<double>(length);
    return static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * phase));
}

} // namespace

void fadeEdges(Sound &sound, double fadeInSeconds, double fadeOutSeconds)
{
    const std::size_t total = sound.samples.size();
    const std::size_t fadeIn = std::min(sampleIndex(fadeInSeconds), total / 2);
    for (std::size_t i = 0; i < fadeIn; ++i) {
        sound.samples[i] *= fadeInGain(i, fadeIn);
    }
    const std::size_t fadeOut = std::min(sampleIndex(fadeOutSeconds), total / 2);
    for (std::size_t i = 0; i < fadeOut; ++i) {
        sound.samples[total - 1 - i] *= fadeInGain(i, fadeOut);
    }
}

std::vector<std::int16_t> toPcm16(const Sound &sound)
{
    std::vector<std::int16_t> pcm;
    pcm.reserve(sound.samples.size());
    for (float sample : sound.samples) {
        const float clamped = std::clamp(sample, -1.0f, 1.0f);
        pcm.push_back(static_cast<std::int16_t>(std::lround(clamped * 32767.0f)));
    }
    return pcm;
}

float NoiseSource::next()
{
    // xorshift32: tiny, fast and the same everywhere, unlike the standard distributions.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<float>(m_state) / 2147483648.0f - 1.0f;
}

LowPass::LowPass(double cutoffHz)
    : m_coefficient(
          static_cast<float>(1.0 - std::exp(-2.0 * std::numbers::pi * cutoffHz / kSampleRate)))
{
}

float LowPass::process(float input)
{
    m_state += m_coefficient * (input - m_state);
    return m_state;
}

} // namespace lumaro::synth
