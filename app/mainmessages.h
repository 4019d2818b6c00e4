// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messageboxes.h"

/// The product title: the first word of every caption, and the title of the message that
/// refuses a second copy.
inline constexpr char16_t ProgramTitle[] = u"Lumaro";

/// The messages of the main window's menu and start-up.
namespace MainMessages {

/// "使用说明": how to type answers so they are judged right.
Message Instructions();
/// "问题反馈": the version and where to send questions and suggestions.
Message Feedback();
/// A second copy of the program was started.
Message AlreadyRunning();

} // namespace MainMessages
