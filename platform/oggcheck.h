// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>

/// Whether the bytes of a device form a whole Ogg Opus file the sound output can play: one
/// logical stream whose pages each carry the capture pattern and a right checksum, numbered
/// without a gap; an OpusHead the decoder understands alone on the first page, then OpusTags,
/// then sound; granule positions that never run backwards and end past the pre-skip; and a
/// last page flagged end-of-stream where the file ends. A file cut short or spoiled anywhere
/// is refused, as is one too large to check at once.
bool IsPlayableOggOpus(QIODevice &device);

/// Whether a device holds an Ogg Opus file whole at both ends: its first page an OpusHead the
/// decoder understands, its last page a whole end-of-stream page of the same stream where the
/// file ends. Reads those two pages only, so that a folder of narration is looked over at once;
/// it finds a file that is missing, cut short or no Ogg Opus, not one spoilt in the middle.
bool HasWholeOggOpusEnds(QIODevice &device);
