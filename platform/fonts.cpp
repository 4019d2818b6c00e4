// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontDatabase>

using namespace Qt::Literals::StringLiterals;

namespace {

// Stand-ins in order of preference: the first is the free face closest to the design's style
// that the set-up installs on Debian. The Song and Hei faces keep the metrics every board,
// practice box and printed paper was laid out with.
QStringList songFaces()
{
    return {u"AR PL UMing CN"_s, u"Noto Serif CJK SC"_s, u"WenQuanYi Zen Hei"_s};
}

QStringList kaiFaces()
{
    return {u"AR PL UKai CN"_s, u"LXGW WenKai"_s, u"AR PL UMing CN"_s, u"WenQuanYi Zen Hei"_s};
}

// 华文行楷 and 华文新魏 are brush hands freer than a regular Kai: a handwritten Kai is nearest.
QStringList brushFaces()
{
    return {u"LXGW WenKai"_s, u"AR PL UKai CN"_s, u"AR PL UMing CN"_s, u"WenQuanYi Zen Hei"_s};
}

// No free clerical (隶书) face ships with Debian; a formal serif with proper Latin letters (the
// title "Orvik Method") is nearest.
QStringList clericalFaces()
{
    return {u"Noto Serif CJK SC"_s, u"AR PL UKai CN"_s, u"AR PL UMing CN"_s,
            u"WenQuanYi Zen Hei"_s};
}

QStringList heiFaces()
{
    return {u"WenQuanYi Zen Hei"_s, u"Noto Sans CJK SC"_s, u"AR PL UMing CN"_s};
}

QStringList standInsFor(const QString &name)
{
    if (name == u"宋体"_s || name == u"新宋体"_s)
        return songFaces();
    if (name == u"楷体_GB2312"_s)
        return kaiFaces();
    if (name == u"华文行楷"_s || name == u"华文新魏"_s)
        return brushFaces();
    if (name == u"隶书"_s)
        return clericalFaces();
    if (name == u"黑体"_s)
        return heiFaces();
    return {};
}

/// The first of the families that is installed, alone; all of them when none is, for Qt to
/// choose. Named alone, a face spares its first use a sort of every font on the system for
/// fallbacks (twice, for a design name that is not installed); a character the face lacks
/// still finds another face when it is drawn.
QStringList firstInstalled(const QStringList &families)
{
    static const QStringList installed = QFontDatabase::families();
    for (const QString &family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return {family};
    }
    return families;
}

} // namespace

namespace Fonts {

QStringList designNames()
{
    return {u"宋体"_s,     u"新宋体"_s, u"楷体_GB2312"_s, u"华文行楷"_s,
            u"华文新魏"_s, u"隶书"_s,   u"黑体"_s};
}

QStringList familiesFor(const QString &name)
{
    return QStringList{name} + standInsFor(name);
}

QFont designFont(const QString &name, double points, bool bold, bool italic)
{
    QFont font;
    font.setFamilies(firstInstalled(familiesFor(name)));
    if (points > 0)
        font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace Fonts
