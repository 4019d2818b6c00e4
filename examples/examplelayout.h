// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

#include <array>

/// The four buttons of the worked-examples window, in twips, on a window of the given size:
/// Command1 … Command4 in a row near the bottom right, 2000 twips above the bottom edge.
std::array<QRectF, 4> ExampleButtonPlaces(double width, double height);
