// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messageboxes.h"

/// The messages the practice window shows.
namespace PracticeMessages {

/// The bank is missing or holds no problem.
Message NotReady();
/// An answer whose brackets do not match; shown once per such error, before the verdict.
Message ExpressionError();

} // namespace PracticeMessages
