// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

/// Runs work once, as soon as window has been painted for the first time: for what the
/// first sight of the window does not need. Nothing runs if the window goes before that.
void RunAfterFirstPaint(QWidget &window, std::function<void()> work);
