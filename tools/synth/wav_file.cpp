// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav_file.h"

#include <fstream>
#include <string_view>

namespace lumaro::synth {

namespace {

constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBytesPerFrame = kChannels * kBitsPerSample / 8;
constexpr std::uint32_t kFormatChunkSize = 16;
constexpr std::uint32_t kHeaderBytesAfterRiffSize = 36;

// WAV is little-endian whatever machine writes it, so the bytes are laid out by hand.
void appendLittleEndian(std::vector<std::uint8_t> &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
    }
}

void appendTag(std::vector<std::uint8_t> &out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

void appendFormatChunk(std::vector<std::uint8_t> &out)
{
    appendTag(out, "fmt ");
    appendLittleEndian(out, kFormatChunkSize, 4);
    appendLittleEndian(out, kPcmFormat, 2);
    appendLittleEndian(out, kChannels, 2);
    appendLittleEndian(out, kSampleRate, 4);
    appendLittleEndian(out, kSampleRate * kBytesPerFrame, 4);
    appendLittleEndian(out, kBytesPerFrame, 2);
    appendLittleEndian(out, kBitsPerSample, 2);
}

} // namespace

std::vector<std::uint8_t> encodeWav(const Sound &sound)
{
    const std::vector<std::int16_t> pcm = toPcm16(sound);
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * kBytesPerFrame);
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytesAfterRiffSize + 8 + dataBytes);
    appendTag(out, "RIFF");
    appendLittleEndian(out, kHeaderBytesAfterRiffSize + dataBytes, 4);
    appendTag(out, "WAVE");
    appendFormatChunk(out);
    appendTag(out, "data");
    appendLittleEndian(out, dataBytes, 4);
    for (std::int16_t sample : pcm) {
        appendLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

bool writeWavFile(const std::filesystem::path &path, const Sound &sound)
{
    const std::vector<std::uint8_t> bytes = encodeWav(sound);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace lumaro::synth
