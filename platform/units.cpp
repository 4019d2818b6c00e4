// SPDX-License-Identifier: GPL-3.0-or-later
#include "units.h"

#include "designscreen.h"

#include <QPaintDevice>
#include <QWidget>

namespace {

// A pixel of the design screen is 15 twips.
constexpr double DesignDpi = 96.0;

} // namespace

TwipScale TwipScale::of(const QPaintDevice &device)
{
    if (device.devType() == QInternal::Widget) {
        const auto &widget = static_cast<const QWidget &>(device);
        return TwipScale(DesignDpi * DesignScreen::scaleOf(widget));
    }
    return TwipScale(device.logicalDpiX());
}
