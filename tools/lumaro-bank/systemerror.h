// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// What a failed system call's error number means, in Chinese: the tool's readers do not
/// read the C library's English.
QString SystemErrorText(int errorNumber);
