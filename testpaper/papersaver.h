// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QSaveFile;

/// Text as GBK bytes; a character that GBK cannot hold becomes "?".
QByteArray GbkWithSubstitutes(const QString &text);

/// How a save went: the file meant (empty when the path box names none), and why it was not
/// written (empty when it was).
struct SaveOutcome {
    QString path;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

/// The folder test papers are saved in, and the saving itself.
class PaperStore {
public:
    /// folder is where papers go; the pupil may name a folder inside it, never one outside.
    explicit PaperStore(QString folder);
    virtual ~PaperStore();

    /// "cssj" in the user's documents folder: where papers go on this computer.
    static QString DocumentsFolder();

    const QString &folder() const { return m_folder; }
    /// Creates the folder when it is missing; false when it cannot be made.
    bool makeFolder() const;
    /// The path box's text at load: the folder followed by the name 试卷名.
    QString defaultPaperFileName() const;
    /// The save button's tool tip, naming the folder.
    QString toolTip() const;

    /// The file a paper name is saved as (PaperTargetFor): the name as typed followed by
    /// ".doc", in the paper folder; empty when the name is refused.
    QString pathFor(const QString &paperFileName) const;

    /// Writes paperText in GBK to pathFor(paperFileName), replacing a paper of that name.
    /// The text goes to a temporary file beside the target, which takes the target's place
    /// only once every byte is on the disk: a save that fails, on a full disk too, leaves an
    /// earlier paper as it was and no temporary file behind, and says why in Chinese.
    SaveOutcome save(const QString &paperText, const QString &paperFileName) const;

protected:
    /// The file the bytes of a paper saved as path are written to. Tests hand out one that
    /// fails as a full disk does.
    virtual std::unique_ptr<QSaveFile> draftFor(const QString &path) const;

private:
    SaveOutcome write(const QByteArray &bytes, const QString &path) const;

    QString m_folder;
};
