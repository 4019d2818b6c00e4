// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signal.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace lumaro::synth {

/// The bytes of a 16-bit PCM mono WAV file holding the sound at kSampleRate.
std::vector<std::uint8_t> encodeWav(const Sound &sound);

/// Writes the sound as a WAV file; false when the file cannot be written.
bool writeWavFile(const std::filesystem::path &path, const Sound &sound);

} // namespace lumaro::synth
