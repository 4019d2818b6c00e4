// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// The request for a screen size that the main window makes at every load.
class DisplayMode {
public:
    virtual ~DisplayMode() = default;
    virtual void request(int widthPixels, int heightPixels) = 0;
};

/// On this platform the request changes nothing: a program has no business changing the
/// user's display settings, least of all for good.
class UnchangedDisplayMode final : public DisplayMode {
public:
    void request(int, int) override {}
};
