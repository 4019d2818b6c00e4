// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printsettings.h"
#include "problemrecord.h"

#include <QList>
#include <QString>

class PaperDocument;

/// One problem of a paper's answer key, for the teacher.
struct AnswerKeyEntry {
    int number = 0;
    QString answer;   ///< the value the paper is graded against, written as a number
    QString solution; ///< the worked solution, without its marker
    bool operator==(const AnswerKeyEntry &) const = default;
};

/// The key of a composed paper's problems, given in the paper's order (problem 1 first), as
/// they were drawn from the bank: the pupil's edits of the paper box do not reach it. An
/// answer that is no number (a damaged bank) is given as stored, "（无）" when empty.
QList<AnswerKeyEntry> AnswerKeyOf(const QList<ProblemRecord> &problems);

/// The title above the key.
QString AnswerKeyTitle();

/// The key as it flows on the page: for each problem a line with its number and answer, the
/// solution on the next lines, and an empty line after it.
QString AnswerKeyText(const QList<AnswerKeyEntry> &key);

/// Lays the key out as the paper is laid out, on as many pages as it needs: the same page
/// size, guides, margins and fonts, and the title centred on the first page. False when part
/// of it found no place (see DrawPaperPage).
bool DrawAnswerKey(PaperDocument &document, const QList<AnswerKeyEntry> &key,
                   const PageSettings &settings, int scale, bool showGuides);
