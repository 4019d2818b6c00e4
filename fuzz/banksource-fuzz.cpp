// SPDX-License-Identifier: GPL-3.0-or-later
// Any text a teacher could save as a bank source: the reader gives a source or a reason,
// validation a list of reasons, and a source that validates compiles into records that
// read back as written.
#include "banksource.h"
#include "problemrecord.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckRecord(const QByteArray &bank, qsizetype index, const QString &problem,
                 const QString &solution, const QString &answer)
{
    const ProblemRecord record =
        DecodeProblemRecord(QByteArrayView(bank).sliced(index * RecordBytes, RecordBytes));
    Require(TextBeforeMarker(record.ProblemText) == problem);
    Require(TextBeforeMarker(record.SolutionText) == solution);
    Require(record.AnswerText.trimmed() == answer);
}

void CheckCompiled(const BankSource &source)
{
    const QByteArray bank = CompileBankSource(source);
    Require(bank.size() == (source.problems.size() + 1) * RecordBytes);
    CheckRecord(bank, 0, source.introProblem, source.introSolution, {});
    for (qsizetype i = 0; i < source.problems.size(); ++i) {
        const SourceProblem &problem = source.problems[i];
        CheckRecord(bank, i + 1, problem.text, problem.solution, problem.answer);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 65536)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const ParsedSource parsed = ParseBankSourceText(text, u"fuzz.toml"_s);
    if (!parsed.ok())
        return 0;
    if (ValidateBankSource(parsed.source).isEmpty())
        CheckCompiled(parsed.source);
    else
        CompileBankSource(parsed.source);
    return 0;
}
