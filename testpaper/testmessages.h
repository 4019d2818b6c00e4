// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messageboxes.h"

struct SaveOutcome;

/// The messages of the test window.
namespace TestMessages {

/// There is no paper to hand in or save: the bank has too few problems, or none was composed.
Message PaperNotReady();
/// A bracket in the pupil's answer has no partner.
Message ExpressionError();
/// The paper could not be saved: why, and where it was to go.
Message SaveFailed(const SaveOutcome &outcome);

} // namespace TestMessages
