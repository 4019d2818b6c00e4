// SPDX-License-Identifier: GPL-3.0-or-later
#include "papersaver.h"

#include "filereplacement.h"
#include "paperfolder.h"
#include "paperpath.h"
#include "problemrecord.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString PlaceholderName = u"试卷名"_s;

/// The longest file name that still leaves room for the temporary file beside it.
constexpr qsizetype LongestName = 248;

/// What stands in the way of writing path, found before anything is written; empty when
/// nothing does.
QString ObstacleTo(const QString &path)
{
    const QFileInfo target(path);
    if (!target.absoluteDir().exists())
        return u"文件夹不存在"_s;
    if (target.isDir())
        return u"已经有同名的文件夹"_s;
    if (QFile::encodeName(target.fileName()).size() > LongestName)
        return u"试卷名太长"_s;
    if (target.exists() && !target.isWritable())
        return u"已有同名的试卷，它是只读的，不能替换；请换一个试卷名"_s;
    if (!QFileInfo(target.absolutePath()).isWritable())
        return u"没有写入这个文件夹的权限"_s;
    return {};
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
    // Without HOME the standard places all lie in the root folder.
    QString documents = qEnvironmentVariableIsEmpty("HOME")
                            ? HomeFolder() + u"/Documents"_s
                            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = HomeFolder();
    return QDir::cleanPath(documents + u"/cssj"_s);
}

bool PaperStore::makeFolder() const
{
    return MakeFolderOrSayWhy(m_folder).isEmpty();
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
    return PaperTargetFor(m_folder, paperFileName).path;
}

PaperStore::~PaperStore() = default;

std::unique_ptr<QSaveFile> PaperStore::draftFor(const QString &path) const
{
    return std::make_unique<QSaveFile>(path);
}

SaveOutcome PaperStore::save(const QString &paperText, const QString &paperFileName) const
{
    const QString folderFailure = MakeFolderOrSayWhy(m_folder);
    const PaperTarget target = PaperTargetFor(m_folder, paperFileName);
    // A folder that cannot be made is the first reason: a loop of links in its place would
    // otherwise pass for a path that leads out of it.
    if (!folderFailure.isEmpty())
        return {target.path, folderFailure};
    if (!target.ok())
        return {target.path, target.error};
    if (const QString obstacle = ObstacleTo(target.path); !obstacle.isEmpty())
        return {target.path, obstacle};
    return write(GbkWithSubstitutes(paperText), target.path);
}

SaveOutcome PaperStore::write(const QByteArray &bytes, const QString &path) const
{
    const std::unique_ptr<QSaveFile> file = draftFor(path);
    return {path, ReplaceFileContents(*file, bytes)};
}
