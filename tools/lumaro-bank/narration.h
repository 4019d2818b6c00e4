// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// What the narration of record k of a bank of `count` records says: the introduction for
/// record 1, the problem and then its solution for the examples, and the closing words for
/// the last record, whose file is requested only when the examples end.
QString NarrationText(const QString &bankPath, int k, int count);

/// A bank text made ready for a speech synthesiser: arithmetic signs become the words a
/// teacher would say ("45-18=27" is read 45减18等于27).
QString SpeakableText(const QString &text);
