// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programsettings.h"

class DisplayMode;
class MessageBoxes;
class QWidget;
class SingleInstance;
class Sound;

/// The windows that replace one another: the main window and the three learning windows.
enum class WindowId { Main, Examples, Practice, Test };

/// A window the program opens and closes again. It lives for the whole run once made, so it
/// keeps its own variables while closed; load() resets what it relies on.
class HostedWindow {
public:
    virtual ~HostedWindow() = default;
    virtual QWidget &widget() = 0;
    /// The window's load sequence, run every time the window is opened.
    virtual void load() = 0;
};

/// A window whose answer box the main window hands the keyboard focus when it opens it, so
/// the pupil can type at once.
class AnswerBoxWindow {
public:
    virtual ~AnswerBoxWindow() = default;
    virtual void focusAnswerBox() = 0;
};

/// What a window needs of the object that owns the program: the program-wide settings and
/// the hand-over to the next window.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual const ProgramSettings &settings() const = 0;
    /// Closes leaving (if any) and shows next after running its load sequence. Returns the
    /// window shown, or nullptr when the program is ending or next cannot be made (leaving
    /// then stays open).
    virtual QWidget *handOver(QWidget *leaving, WindowId next) = 0;
    /// Ends the program at once: nothing is saved, nothing is asked.
    virtual void endProgram() = 0;
};

/// The platform operations the windows use, handed to each window.
struct PlatformServices {
    Sound &sound;
    MessageBoxes &messages;
    DisplayMode &display;
    SingleInstance &instance;
};
