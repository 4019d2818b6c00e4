// SPDX-License-Identifier: GPL-3.0-or-later
#include "examplelayout.h"

namespace {

constexpr double ButtonWidth = 1455;
constexpr double ButtonHeight = 495;
constexpr double RowAboveBottom = 2000;
// The last button stands 2000 twips from the right edge; the others follow at a steady pitch
// a little wider than a button, so that no two of them overlap.
constexpr double LastButtonFromRight = 2000;
constexpr double ButtonPitch = 1600;

} // namespace

std::array<QRectF, 4> ExampleButtonPlaces(double width, double height)
{
    std::array<QRectF, 4> places;
    const double top = height - RowAboveBottom;
    for (int i = 0; i < int(places.size()); ++i) {
        const double fromRight = LastButtonFromRight + (int(places.size()) - 1 - i) * ButtonPitch;
        places[i] = QRectF(width - fromRight, top, ButtonWidth, ButtonHeight);
    }
    return places;
}
