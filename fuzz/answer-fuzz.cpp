// SPDX-License-Identifier: GPL-3.0-or-later
// A stored AnswerText of any ten bytes against any answer line: both checks give a defined
// result, a plain decimal answer is right against itself, and no line is right against an
// answer the practice cannot read; a hint shows only beside a wrong verdict.
#include "answercheck.h"
#include "inputhint.h"
#include "numbertext.h"
#include "problemrecord.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

ProblemRecord RecordWithAnswer(QByteArrayView answerBytes)
{
    QByteArray bytes(ProblemTextBytes + SolutionTextBytes, ' ');
    bytes += answerBytes.toByteArray();
    return DecodeProblemRecord(bytes);
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    const QByteArrayView bytes(data, qsizetype(size));
    const ProblemRecord record = RecordWithAnswer(bytes.first(std::min<qsizetype>(size, 10)));
    const QString line = QString::fromUtf8(bytes.sliced(std::min<qsizetype>(size, 10)));

    const Verdict practice = CheckAnswer(line, record);
    const Verdict test = GradeRow(line, record.AnswerText);
    Require(practice.bracketErrors >= 0 && test.bracketErrors >= 0);
    if (practice.right)
        Require(StrictNumber(record.AnswerText).has_value());
    Require(PracticeInputHint(line, record, practice.right).isEmpty() || !practice.right);

    // Only blanks pad a stored answer; any other white space makes it unreadable to practice.
    QString stored = record.AnswerText;
    while (stored.endsWith(u' '))
        stored.chop(1);
    while (stored.startsWith(u' '))
        stored.remove(0, 1);
    if (IsPlainDecimal(stored)) {
        Require(CheckAnswer(stored, record).right);
        Require(GradeRow(stored, record.AnswerText).right);
    }
    return 0;
}
