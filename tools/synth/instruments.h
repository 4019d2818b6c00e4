// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signal.h"

#include <span>

namespace lumaro::synth {

/// One sine component of a tone: its frequency as a multiple of the note's, its level, and how
/// fast it dies away (the time to fall to about a third).
struct Partial {
    double ratio;
    float amplitude;
    double decaySeconds;
};

/// A struck tone made of `partials`: a soft attack, then each partial decays on its own, and
/// the last few milliseconds fade out so the note can be cut to `seconds` without a click.
Sound struckTone(double hz, double seconds, double attackSeconds,
                 std::span<const Partial> partials);

/// A mellow mallet note (between a marimba and a music box) for the tune.
Sound malletNote(double hz, double seconds);

/// A round, soft bass note.
Sound bassNote(double hz, double seconds);

/// A short, quiet accompaniment note for the off-beat chords.
Sound chordNote(double hz, double seconds);

/// A small glockenspiel-like bell.
Sound bellNote(double hz, double seconds);

/// A very short, airy tick of filtered noise that keeps the tune moving.
Sound shakerTick(std::uint32_t seed);

} // namespace lumaro::synth
