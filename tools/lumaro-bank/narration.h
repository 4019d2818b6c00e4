// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class ReadingTable;

/// What the narration of record k of a bank of `count` records says, in Chinese words
/// without a digit, part by part: the introduction for record 1; for the examples the
/// heading, the problem and each sentence of the solution (数量关系, 列式, 答); and the
/// closing words for the last record, whose file is requested only when the examples end.
QStringList NarrationParts(const QString &bankPath, int k, int count);

/// The speech engine's input for the parts: SSML with a clear break between the parts, the
/// words of `readings` given as pinyin.
QString EngineInput(const QStringList &parts, const ReadingTable &readings);

/// The break between two parts, longer than the pause at a comma or a full stop.
inline constexpr int PartBreakMs = 700;

/// The engine (espeak-ng) and its arguments, the input file left out: the Mandarin voice
/// that reads Chinese characters and pinyin, SSML input, and a rate a pupil follows.
QStringList SpeechEngineCommand();

/// A solution or introduction made ready for a speech synthesiser: arithmetic signs become
/// the words a teacher would say ("45-18=27" is read 45减18等于27). A whole a/b is read as a
/// fraction (五分之三) where it stands as one quantity: alone, after "=", alone in brackets,
/// as a term of a sum, or as one of `statedFractions`; elsewhere "/" divides (除以).
QString SpeakableText(const QString &text, const QStringList &statedFractions = {});

/// A problem text made ready for a speech synthesiser. A problem states its fractions and
/// never divides, so every whole a/b in it is read as a fraction.
QString SpeakableProblem(const QString &text);

/// The whole fractions a/b a problem text states, as written ("3/5").
QStringList StatedFractions(const QString &problemText);

/// Writes the engine's input for every record of a bank of `count` records to
/// folder/prefixk.txt and the engine command, one word a line, to folder/prefix.engine, each
/// only when its text changed. On failure, names the file and the reason in `error`.
bool WriteNarrationInputs(const QString &bankPath, int count, const QString &folder,
                          const QString &prefix, const ReadingTable &readings, QString &error);
