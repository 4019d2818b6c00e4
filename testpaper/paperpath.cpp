// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperpath.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Extension = u".doc"_s;
/// The folder the window's label and tool tip were first written for.
const QString DriveFolder = u"d:/cssj"_s;

PaperTarget NoName()
{
    return {{}, u"没有试卷名：请在路径的最后输入试卷名"_s};
}

PaperTarget Outside(const QString &folder)
{
    return {{}, u"试卷只能保存在"_s + QDir::toNativeSeparators(folder) + u"里（不能修改路径）"_s};
}

bool StartsWithDrive(const QString &text)
{
    return text.size() >= 2 && text[1] == u':' && text[0].isLetter();
}

bool Within(const QString &path, const QString &folder)
{
    return path.startsWith(folder + u'/');
}

/// Links followed before giving up on a path: a loop of links leads nowhere.
constexpr int MostLinks = 40;

/// The path with every link on the way resolved, as far as it exists, the rest as written;
/// empty for a loop of links.
QString Resolved(const QString &path, int links = 0)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        if (links >= MostLinks)
            return {};
        // symLinkTarget() resolves a relative link against the link's own folder.
        return Resolved(QDir::cleanPath(info.symLinkTarget()), links + 1);
    }
    if (info.exists())
        return info.canonicalFilePath();
    const QString parent = info.absolutePath();
    if (parent == path)
        return path;
    const QString resolvedParent = Resolved(parent, links);
    return resolvedParent.isEmpty() ? QString()
                                    : QDir::cleanPath(resolvedParent + u'/' + info.fileName());
}

/// The text after "d:\cssj\", a name as it stands, or nothing for another drive.
std::optional<QString> WithinPaperFolder(const QString &text)
{
    if (text.startsWith(DriveFolder + u'/', Qt::CaseInsensitive))
        return text.mid(DriveFolder.size() + 1);
    if (StartsWithDrive(text))
        return std::nullopt;
    return text;
}

} // namespace

PaperTarget PaperTargetFor(const QString &paperFolder, const QString &typed)
{
    QString text = typed;
    text.replace(u'\\', u'/');
    const QString name = text.section(u'/', -1);
    if (name.trimmed().isEmpty() || name == u"."_s || name == u".."_s ||
        text.compare(DriveFolder, Qt::CaseInsensitive) == 0)
        return NoName();
    const std::optional<QString> relative = WithinPaperFolder(text);
    const QString folder = QDir::cleanPath(QDir(paperFolder).absolutePath());
    if (!relative)
        return Outside(folder);
    const QString path = QDir::cleanPath(QDir(folder).filePath(*relative + Extension));
    if (!Within(path, folder) || !Within(Resolved(path), Resolved(folder)))
        return Outside(folder);
    return {QDir::toNativeSeparators(path), {}};
}
