// SPDX-License-Identifier: GPL-3.0-or-later
#include "units.h"

#include <QPaintDevice>

TwipScale TwipScale::of(const QPaintDevice &device)
{
    return TwipScale(device.logicalDpiX());
}
