// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the shipped sounds as a player would find them: a plain PCM WAV file of the right
// length that is audible, never clipped, and starts and ends without a click.

#include "sounds.h"
#include "wav_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using namespace lumaro::synth;

constexpr std::size_t kHeaderSize = 44;
constexpr int kFullScale = 32767;

struct Expected {
    std::string fileName;
    double minSeconds;
    double maxSeconds;
};

const std::vector<Expected> &expectedSounds()
{
    static const std::vector<Expected> table{
        {"ptq.wav", 15.0, 25.0},
        {"dui.wav", 0.5, 1.0},
        {"zhadan.wav", 0.5, 0.8},
        {"alert.wav", 0.2, 0.3},
    };
    return table;
}

// Names the sound in test output instead of dumping the row's bytes.
void PrintTo(const Expected &expected, std::ostream *out)
{
    *out << expected.fileName;
}

std::uint32_t readLittleEndian(const std::vector<std::uint8_t> &bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        value |= static_cast<std::uint32_t>(bytes.at(at + static_cast<std::size_t>(i))) << (8 * i);
    }
    return value;
}

std::string readTag(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

std::vector<std::uint8_t> readFile(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::int16_t> samplesOf(const std::vector<std::uint8_t> &wav)
{
    std::vector<std::int16_t> samples;
    for (std::size_t at = kHeaderSize; at + 1 < wav.size(); at += 2) {
        samples.push_back(static_cast<std::int16_t>(readLittleEndian(wav, at, 2)));
    }
    return samples;
}

int peakOf(const std::vector<std::int16_t> &samples)
{
    int peak = 0;
    for (std::int16_t s : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    return peak;
}

double rmsOf(const std::vector<std::int16_t> &samples)
{
    double sum = 0.0;
    for (std::int16_t s : samples) {
        sum += static_cast<double>(s) * s;
    }
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

const SoundRecipe *findRecipe(const std::string &fileName)
{
    for (const SoundRecipe &recipe : soundRecipes()) {
        if (recipe.fileName == fileName) {
            return &recipe;
        }
    }
    return nullptr;
}

class ShippedSound : public testing::TestWithParam<Expected> {
protected:
    void SetUp() override
    {
        const SoundRecipe *recipe = findRecipe(GetParam().fileName);
        ASSERT_NE(recipe, nullptr) << GetParam().fileName << " is not made";
        const auto folder = std::filesystem::temp_directory_path() /
                            ("lumaro-synth-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        m_path = folder / GetParam().fileName;
        ASSERT_TRUE(writeWavFile(m_path, recipe->make()));
        m_wav = readFile(m_path);
        ASSERT_GT(m_wav.size(), kHeaderSize);
        m_samples = samplesOf(m_wav);
    }

    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }

    double seconds() const { return static_cast<double>(m_samples.size()) / kSampleRate; }

    std::filesystem::path m_path;
    std::vector<std::uint8_t> m_wav;
    std::vector<std::int16_t> m_samples;
};

TEST_P(ShippedSound, HasAPlainPcmMonoRiffHeader)
{
    EXPECT_EQ(readTag(m_wav, 0), "RIFF");
    EXPECT_EQ(readLittleEndian(m_wav, 4, 4), m_wav.size() - 8);
    EXPECT_EQ(readTag(m_wav, 8), "WAVE");
    EXPECT_EQ(readTag(m_wav, 12), "fmt ");
    EXPECT_EQ(readLittleEndian(m_wav, 16, 4), 16u);
    EXPECT_EQ(readLittleEndian(m_wav, 20, 2), 1u) << "PCM";
    EXPECT_EQ(readLittleEndian(m_wav, 22, 2), 1u) << "mono";
    EXPECT_EQ(readLittleEndian(m_wav, 24, 4), static_cast<std::uint32_t>(kSampleRate));
    EXPECT_EQ(readLittleEndian(m_wav, 28, 4), static_cast<std::uint32_t>(kSampleRate * 2));
    EXPECT_EQ(readLittleEndian(m_wav, 32, 2), 2u);
    EXPECT_EQ(readLittleEndian(m_wav, 34, 2), 16u);
    EXPECT_EQ(readTag(m_wav, 36), "data");
    EXPECT_EQ(readLittleEndian(m_wav, 40, 4), m_wav.size() - kHeaderSize);
}

TEST_P(ShippedSound, LastsAsLongAsItsPurposeNeeds)
{
    EXPECT_GE(seconds(), GetParam().minSeconds);
    EXPECT_LE(seconds(), GetParam().maxSeconds);
}

TEST_P(ShippedSound, NeverClips)
{
    EXPECT_LT(peakOf(m_samples), kFullScale * 95 / 100);
}

TEST_P(ShippedSound, IsClearlyAudible)
{
    EXPECT_GT(peakOf(m_samples), kFullScale / 4);
    EXPECT_GT(rmsOf(m_samples), kFullScale / 50.0);
}

TEST_P(ShippedSound, StartsAndEndsWithoutAClick)
{
    constexpr int kQuiet = kFullScale / 100;
    EXPECT_LT(std::abs(static_cast<int>(m_samples.front())), kQuiet);
    EXPECT_LT(std::abs(static_cast<int>(m_samples.back())), kQuiet);
}

TEST_P(ShippedSound, IsTheSameEveryTime)
{
    const SoundRecipe *recipe = findRecipe(GetParam().fileName);
    EXPECT_EQ(encodeWav(recipe->make()), m_wav);
}

std::string fileNameOnly(const testing::TestParamInfo<Expected> &info)
{
    std::string name = info.param.fileName;
    name.erase(name.find('.'));
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllSounds, ShippedSound, testing::ValuesIn(expectedSounds()),
                         fileNameOnly);

TEST(SoundRecipes, MakeExactlyTheExpectedFiles)
{
    std::vector<std::string> made;
    for (const SoundRecipe &recipe : soundRecipes()) {
        made.emplace_back(recipe.fileName);
    }
    std::vector<std::string> expected;
    for (const Expected &sound : expectedSounds()) {
        expected.push_back(sound.fileName);
    }
    std::ranges::sort(made);
    std::ranges::sort(expected);
    EXPECT_EQ(made, expected);
}

TEST(WavEncoding, KeepsSamplesAndClampsBeyondFullScale)
{
    const Sound sound{{0.0f, 0.5f, -0.5f, 2.0f, -2.0f}};
    const std::vector<std::uint8_t> wav = encodeWav(sound);
    ASSERT_EQ(wav.size(), kHeaderSize + 10);
    const std::vector<std::int16_t> samples = samplesOf(wav);
    const std::vector<std::int16_t> expected{0, 16384, -16384, 32767, -32767};
    EXPECT_EQ(samples, expected);
}

} // namespace
