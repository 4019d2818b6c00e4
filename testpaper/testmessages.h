// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messageboxes.h"

struct SaveOutcome;

/// The messages of the test window.
namespace TestMessages {

/// The paper could not be saved: why, and where it was to go when the path box named a file.
Message SaveFailed(const SaveOutcome &outcome);

} // namespace TestMessages
