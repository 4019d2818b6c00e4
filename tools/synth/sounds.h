// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signal.h"

#include <span>
#include <string_view>

namespace lumaro::synth {

/// The cheerful title tune of the main window, about twenty seconds long.
Sound titleMusic();

/// Two rising bell tones for a right answer.
Sound rightAnswerChime();

/// A soft, low "bonk" for a wrong answer: an "oops", never a fright.
Sound wrongAnswerBonk();

/// A short neutral ding, heard where a platform would give its default alert.
Sound alertDing();

/// One sound file the program ships, and how it is made.
struct SoundRecipe {
    std::string_view fileName;
    Sound (*make)();
};

/// Every sound file the program ships.
std::span<const SoundRecipe> soundRecipes();

} // namespace lumaro::synth
