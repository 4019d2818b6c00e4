// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell.h"

/// The learning windows the program opens. Replace a maker here when its real window lands;
/// nothing else needs to change.
LearningWindows ProgramLearningWindows();
