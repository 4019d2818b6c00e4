// SPDX-License-Identifier: GPL-3.0-or-later
// A record's bytes decoded and encoded again: a record of valid GBK comes back byte for
// byte, and the texts a bank author writes survive the builder's encoding unchanged.
#include "problemrecord.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsClean(const ProblemRecord &record)
{
    const QString all = record.ProblemText + record.SolutionText + record.AnswerText;
    return !all.contains(QChar::ReplacementCharacter);
}

void CheckBytesComeBack(const QByteArray &bytes, const ProblemRecord &record)
{
    if (IsClean(record))
        Require(RawProblemRecord(record.ProblemText, record.SolutionText, record.AnswerText) ==
                bytes);
}

void CheckTextsComeBack(const ProblemRecord &record)
{
    const QString problem = TextBeforeMarker(record.ProblemText);
    const QString solution = TextBeforeMarker(record.SolutionText);
    const QString answer = record.AnswerText.trimmed();
    const EncodedRecord encoded = EncodeProblemRecord(problem, solution, answer);
    if (!encoded.ok())
        return;
    Require(encoded.bytes.size() == RecordBytes);
    const ProblemRecord decoded = DecodeProblemRecord(encoded.bytes);
    Require(TextBeforeMarker(decoded.ProblemText) == problem);
    Require(TextBeforeMarker(decoded.SolutionText) == solution);
    Require(HasMarker(decoded.ProblemText) && HasMarker(decoded.SolutionText));
    Require(decoded.AnswerText.trimmed() == answer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > RecordBytes)
        return 0;
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    bytes.append(QByteArray(RecordBytes - bytes.size(), ' '));
    const ProblemRecord record = DecodeProblemRecord(bytes);
    CheckBytesComeBack(bytes, record);
    CheckTextsComeBack(record);
    return 0;
}
