// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The name of the program's desktop entry, without ".desktop": what the menu, the task bar
/// and the AppStream data know it by.
inline const QString DesktopEntryName = QStringLiteral("org.lumaro.Lumaro");

/// Names the running program as its desktop entry knows it, so that a task bar groups its
/// windows with the launcher: the application name, which Qt gives X11 windows as their
/// WM_CLASS class (the entry's StartupWMClass), and the desktop file name, which Qt gives
/// Wayland windows as their app id and X11 windows as their desktop file property.
void SetDesktopIdentity();

/// Gives every window, those opened later too, the program's icon. Drawing the icon at the
/// sizes the desktop asks for holds a window up by some milliseconds, so the program sets it
/// once its main window is on screen.
void SetProgramIcon();
