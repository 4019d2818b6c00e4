// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grading.h"
#include "problemrecord.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>

/// Drawable records of a bank of recordCount records: all but the first (the type's
/// introduction) and the last.
int PoolSizeFor(int recordCount);

/// A paper needs a pool of more than this many records: a bank of at least 16.
inline constexpr int SmallestPoolRefused = 13;

/// A record number in 2 … poolSize + 1 that is not among those drawn, drawn uniformly.
/// drawn must leave at least one number of the pool free.
int DrawNewRecordNumber(int poolSize, QRandomGenerator &random, const QList<int> &drawn);

/// A record as it stands on a paper: its problem text cut at the marker and padded with
/// blanks to the field's width again; a text without the marker stays whole.
ProblemRecord PaperRecordOf(const ProblemRecord &record);

/// One problem's block of the paper: a blank (the place of the sign), the number, "、", the
/// problem text without trailing blanks, and CR LF CR LF.
QString PaperBlock(int number, const ProblemRecord &paperRecord);
