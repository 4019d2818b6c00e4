// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The file the path box names, or why it names none a paper may be saved as.
struct PaperTarget {
    QString path;  ///< the file, ".doc" included, in native separators; empty when refused
    QString error; ///< for the pupil, in Chinese; empty when path may be written
    bool ok() const { return error.isEmpty(); }
};

/// Reads the text of the path box against the paper folder. "\" separates folders as "/"
/// does, and a leading "d:\cssj\" (any case), the folder the window's label speaks of,
/// stands for the paper folder; a name without a folder goes into it. The last part is the
/// paper's name, taken as typed and followed by ".doc".
///
/// Refused: an empty or blank name (the path ends in a separator), and any path that leads
/// out of the paper folder, through "..", another drive, an absolute path elsewhere or a
/// link inside the folder that points out of it. The label tells the pupil not to change the
/// path, so a save never touches a file of the user's outside the folder of papers.
PaperTarget PaperTargetFor(const QString &paperFolder, const QString &typed);
