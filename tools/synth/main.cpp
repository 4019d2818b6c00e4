// SPDX-License-Identifier: GPL-3.0-or-later
// lumaro-synth: makes Lumaro's sound files from code, so that the repository holds only the
// recipes and every build makes the same sounds.

#include "sounds.h"
#include "wav_file.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <system_error>

namespace {

void printUsage(std::ostream &out)
{
    out << "Usage: lumaro-synth OUTPUT-FOLDER\n"
           "Writes Lumaro's sound files (16-bit PCM mono WAV) into OUTPUT-FOLDER.\n";
}

bool makeFolder(const std::filesystem::path &folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "lumaro-synth: cannot create " << folder << ": " << error.message() << '\n';
        return false;
    }
    return true;
}

bool writeAllSounds(const std::filesystem::path &folder)
{
    for (const lumaro::synth::SoundRecipe &recipe : lumaro::synth::soundRecipes()) {
        const std::filesystem::path path = folder / recipe.fileName;
        if (!lumaro::synth::writeWavFile(path, recipe.make())) {
            std::cerr << "lumaro-synth: cannot write " << path << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        printUsage(std::cerr);
        return EXIT_FAILURE;
    }
    const std::string_view argument = argv[1];
    if (argument == "--help" || argument == "-h") {
        printUsage(std::cout);
        return EXIT_SUCCESS;
    }
    const std::filesystem::path folder(argument);
    return makeFolder(folder) && writeAllSounds(folder) ? EXIT_SUCCESS : EXIT_FAILURE;
}
