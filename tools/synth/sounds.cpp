// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds.h"

#include <array>

namespace lumaro::synth {

namespace {

// The file names are the ones the windows ask for in the program folder.
constexpr std::array<SoundRecipe, 4> kRecipes{{
    {"ptq.wav", &titleMusic},
    {"dui.wav", &rightAnswerChime},
    {"zhadan.wav", &wrongAnswerBonk},
    {"alert.wav", &alertDing},
}};

} // namespace

std::span<const SoundRecipe> soundRecipes()
{
    return kRecipes;
}

} // namespace lumaro::synth
