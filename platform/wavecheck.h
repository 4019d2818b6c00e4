// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>

/// Whether the bytes of a device form a wave file the sound output can play whole: RIFF/WAVE,
/// a PCM or float format chunk with sane numbers, and a data chunk of whole sample frames
/// that lies entirely inside the file. A file cut short would leave the sound output waiting
/// for the rest for ever.
bool IsPlayableWave(QIODevice &device);
