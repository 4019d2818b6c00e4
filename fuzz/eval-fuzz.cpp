// SPDX-License-Identifier: GPL-3.0-or-later
// Any answer line a pupil can type: the evaluator and both checks must give a defined
// result, never crash, hang or trip a sanitizer. Writing ratios as quotients never mends or
// breaks the brackets of a line.
#include "answercheck.h"
#include "evaluator.h"
#include "numbertext.h"
#include "ratio.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Whether every ")" closes an earlier "(" and every "(" is closed.
bool BracketsMatch(const QString &text)
{
    qsizetype open = 0;
    for (const QChar c : text) {
        open += c == u'(' ? 1 : c == u')' ? -1 : 0;
        if (open < 0)
            return false;
    }
    return open == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const EvalResult result = EvalBrackets(line);
    if (result.hasValue())
        NumberText(result.value);
    CheckAnswer(line, u"12        "_s);
    CheckAnswer(line, line.left(10));
    GradeRow(line, u"0.75      "_s);
    GradeRow(line.left(10), line);
    if (BracketsMatch(line) != BracketsMatch(RatiosAsQuotients(line)))
        __builtin_trap();
    StrictNumber(line);
    ReadNumber(line);
    return 0;
}
