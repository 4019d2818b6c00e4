// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Makes the program's controls speak to a screen reader as they behave on the screen:
/// - a button's accessible press (and toggle) is a click, running what a click runs;
/// - every window is a frame named by its caption;
/// - a combo box given a name is read by that name, not by its current text;
/// - a text surface shown on the screen offers what has been written on it as its text.
/// Call it once the application object exists and before the windows are made; calling it
/// again does nothing.
void InstallAccessibleControls();
