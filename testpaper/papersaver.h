// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

/// Text as GBK bytes; a character that GBK cannot hold becomes "?".
QByteArray GbkWithSubstitutes(const QString &text);

/// How a save went: the file meant, and why it was not written (empty when it was).
struct SaveOutcome {
    QString Path;
    QString Error;
    bool ok() const { return Error.isEmpty(); }
};

/// The folder test papers are saved in, and the saving itself.
class PaperStore {
public:
    /// folder is where papers go unless the pupil names another folder.
    explicit PaperStore(QString folder);

    /// "cssj" in the user's documents folder: where papers go on this computer.
    static QString DocumentsFolder();

    const QString &folder() const { return m_folder; }
    /// Creates the folder when it is missing; false when it cannot be made.
    bool makeFolder() const;
    /// The path box's text at load: the folder followed by the name 试卷名.
    QString defaultPaperFileName() const;
    /// The save button's tool tip, naming the folder.
    QString toolTip() const;

    /// The file a paper name is saved as: the name as typed followed by ".doc". A name
    /// without a folder goes into the paper folder.
    QString pathFor(const QString &paperFileName) const;

    /// Writes paperText in GBK to pathFor(paperFileName), replacing a paper of that name.
    /// The text goes to a temporary file beside the target, which then takes the target's
    /// place: a save that fails leaves an earlier paper as it was.
    SaveOutcome save(const QString &paperText, const QString &paperFileName) const;

private:
    QString m_folder;
};
