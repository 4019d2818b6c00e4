// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problemrecord.h"

#include <QString>
#include <QStringList>

/// The part a record plays in its bank. Record 1 introduces the problem type: it is only
/// ever shown, never judged, so it carries no answer.
enum class RecordRole { Introduction, Problem };

/// The role of record k (1-based).
RecordRole RoleOfRecord(int k);

/// Every way a record breaks the rules the windows rely on, in Chinese; empty for a sound
/// record. A problem or solution text without its end marker, a NUL byte or bytes that are
/// not GBK anywhere in the record, and, for a problem, an answer that is not a plain decimal
/// with blanks around it.
QStringList RecordFaults(const ProblemRecord &record, RecordRole role);

/// Whether a record may be shown and judged as it stands.
bool IsSoundRecord(const ProblemRecord &record, RecordRole role);
