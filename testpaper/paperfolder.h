// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Makes folder and every folder above it that is missing. Empty when the folder stands;
/// otherwise why it cannot be made, in Chinese, naming the place that stops it: a folder
/// without write permission, a read-only disk, a file or a link to nowhere in its place.
QString MakeFolderOrSayWhy(const QString &folder);

/// The user's home folder: HOME, or the account's own folder when HOME is unset or empty;
/// the temporary folder when neither is known.
QString HomeFolder();
