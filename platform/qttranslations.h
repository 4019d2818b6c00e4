// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

/// Qt's own texts (the buttons of message boxes, the file dialog of the PDF export) are
/// English by default; the program speaks Simplified Chinese throughout, whatever the
/// desktop's language. Installs Qt's Simplified Chinese translations into app. Returns
/// false, and changes nothing, when they are not installed.
bool InstallChineseQtTexts(QCoreApplication &app);
