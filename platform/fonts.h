// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

/// The windows are designed with seven Chinese font names. Where a font of that name is not
/// installed, the free CJK face nearest its style stands in: a Song (Ming) face for 宋体 and
/// 新宋体, a Kai face for 楷体_GB2312, a handwritten Kai for the brush hands 华文行楷 and 华文新魏,
/// a formal serif for the clerical 隶书, a Hei face for 黑体.
namespace Fonts {

/// The seven font names the windows are designed with.
QStringList designNames();

/// The families tried for a font name, best first: the name itself, then its stand-ins.
/// A name that is not one of the seven comes back alone, unchanged.
QStringList familiesFor(const QString &name);

/// A font of the given name and size in points (fractional sizes allowed).
QFont designFont(const QString &name, double points, bool bold = false, bool italic = false);

/// The font of what no window gives a font of its own: the menu bar, message boxes, dialogs.
QFont interfaceFont();

/// The folder beside the program that holds its own faces: each stand-in cut down to the
/// characters of the program's texts and shipped banks.
QString programFontFolderName();

/// The file names of the program's own faces in that folder.
QStringList programFontFileNames();

/// Reads the system's font configuration, as Qt does at its first font: on any thread, and at
/// once when it is read already.
void readFontConfiguration();

/// Makes the program's own faces in programFolder known, with the rules they are drawn by and
/// the whole face each falls back on for a character it lacks. Called before the program's
/// first font, when Qt reads the fonts once. False when a face is missing or unreadable: the
/// whole faces then stand in, as before they were cut.
bool addProgramFonts(const QString &programFolder);

} // namespace Fonts
