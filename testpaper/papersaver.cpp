// SPDX-License-Identifier: GPL-3.0-or-later
#include "papersaver.h"

#include "problemrecord.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString PlaceholderName = u"试卷名"_s;
const QString Extension = u".doc"_s;

/// The longest file name that still leaves room for the temporary file beside it.
constexpr qsizetype LongestName = 248;

/// A reason the pupil (or the teacher beside them) can act on.
QString ReasonFor(const QSaveFile &file, const QString &path)
{
    const QFileInfo target(path);
    if (!target.absoluteDir().exists())
        return u"文件夹不存在"_s;
    if (target.isDir())
        return u"已经有同名的文件夹"_s;
    if (QFile::encodeName(target.fileName()).size() > LongestName)
        return u"试卷名太长"_s;
    if (!QFileInfo(target.absolutePath()).isWritable())
        return u"没有写入这个文件夹的权限"_s;
    const bool writing =
        file.error() == QFileDevice::WriteError || file.error() == QFileDevice::ResizeError;
    const QString reason = writing ? u"写入失败，磁盘可能已满"_s : u"无法建立文件"_s;
    if (file.error() == QFileDevice::UnspecifiedError || file.errorString().isEmpty())
        return reason;
    return reason + u"（"_s + file.errorString() + u"）"_s;
}

} // namespace

QByteArray GbkWithSubstitutes(const QString &text)
{
    if (const std::optional<QByteArray> whole = EncodeGbk(text))
        return *whole;
    // Character by character (a surrogate pair is one character), so only what GBK cannot
    // hold is lost.
    QByteArray bytes;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2
                                                                                                : 1;
        const std::optional<QByteArray> character = EncodeGbk(text.sliced(at, length));
        bytes += character.value_or("?"_ba);
        at += length;
    }
    return bytes;
}

PaperStore::PaperStore(QString folder) : m_folder(std::move(folder)) {}

QString PaperStore::DocumentsFolder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(u"cssj"_s);
}

bool PaperStore::makeFolder() const
{
    return QDir().mkpath(m_folder);
}

QString PaperStore::defaultPaperFileName() const
{
    return QDir::toNativeSeparators(QDir(m_folder).filePath(PlaceholderName));
}

QString PaperStore::toolTip() const
{
    return u"试题保存在"_s + QDir::toNativeSeparators(m_folder);
}

QString PaperStore::pathFor(const QString &paperFileName) const
{
    const QString path = QDir::fromNativeSeparators(paperFileName + Extension);
    return QDir::toNativeSeparators(QDir(m_folder).filePath(path));
}

SaveOutcome PaperStore::save(const QString &paperText, const QString &paperFileName) const
{
    makeFolder();
    const QString path = pathFor(paperFileName);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {path, ReasonFor(file, path)};
    file.write(GbkWithSubstitutes(paperText));
    if (!file.commit())
        return {path, ReasonFor(file, path)};
    return {path, {}};
}
