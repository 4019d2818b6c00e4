// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/// What the narration of record k of a bank of `count` records says: the introduction for
/// record 1, the problem and then its solution for the examples, and the closing words for
/// the last record, whose file is requested only when the examples end.
QString NarrationText(const QString &bankPath, int k, int count);

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
