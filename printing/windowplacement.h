// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

/// Puts a window in the middle of its owner (the window it opens beside) while the owner is
/// shown, otherwise in the middle of its screen; never above the top of that area.
void CentreOverOwner(QWidget &window);
