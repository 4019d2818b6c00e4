// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Stand-ins in order of preference: the program's own cut of the free face closest to the
// design's style, then that whole face as the set-up installs it on Debian, then the others. The
// Song and Hei faces keep the metrics every board, practice box and printed paper was laid out
// with.
QStringList songFaces()
{
    return {u"Lumaro Ming"_s, u"AR PL UMing CN"_s, u"Noto Serif CJK SC"_s, u"WenQuanYi Zen Hei"_s};
}

QStringList kaiFaces()
{
    return {u"Lumaro Kai"_s, u"AR PL UKai CN"_s, u"LXGW WenKai"_s, u"AR PL UMing CN"_s,
            u"WenQuanYi Zen Hei"_s};
}

// 华文行楷 and 华文新魏 are brush hands freer than a regular Kai: a handwritten Kai is nearest.
QStringList brushFaces()
{
    return {u"Lumaro Brush"_s, u"LXGW WenKai"_s, u"AR PL UKai CN"_s, u"AR PL UMing CN"_s,
            u"WenQuanYi Zen Hei"_s};
}

// No free clerical (隶书) face ships with Debian; a formal serif with proper Latin letters (the
// title "Orvik Method") is nearest.
QStringList clericalFaces()
{
    return {u"Lumaro Serif"_s, u"Noto Serif CJK SC"_s, u"AR PL UKai CN"_s, u"AR PL UMing CN"_s,
            u"WenQuanYi Zen Hei"_s};
}

QStringList heiFaces()
{
    return {u"Lumaro Hei"_s, u"WenQuanYi Zen Hei"_s, u"Noto Sans CJK SC"_s, u"AR PL UMing CN"_s};
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

/// How the program's own faces are drawn: the Hei face unhinted, as Debian's rules draw its
/// whole face (the other rules Debian gives the whole faces change nothing Qt draws), and each
/// with its whole face as the first fallback, so that a character a cut face lacks (in a
/// teacher's bank, say) still comes in the same style.
///
/// The Song face, cut or whole, draws the bitmaps drawn into it for 11 to 16 pixels, as Song
/// text shows on a Chinese desktop: at those sizes a smoothed outline greys its thin strokes
/// into a blur a pupil reads less easily. The bitmaps also spare the start the hinting of
/// every small character, some 3 ms.
constexpr char ProgramFontRules[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="font">
    <test name="family" compare="eq"><string>Lumaro Hei</string></test>
    <edit name="globaladvance"><bool>false</bool></edit>
    <edit name="spacing"><int>0</int></edit>
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintnone</const></edit>
    <edit name="autohint" mode="assign"><bool>false</bool></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
    <edit name="embeddedbitmap"><bool>false</bool></edit>
  </match>
  <match target="font">
    <test name="family" compare="eq"><string>Lumaro Ming</string></test>
    <test name="pixelsize" compare="more_eq"><double>10.5</double></test>
    <test name="pixelsize" compare="less"><double>16.5</double></test>
    <edit name="antialias" mode="assign"><bool>false</bool></edit>
    <edit name="embeddedbitmap" mode="assign"><bool>true</bool></edit>
  </match>
  <match target="font">
    <test name="family" compare="eq"><string>AR PL UMing CN</string></test>
    <test name="pixelsize" compare="more_eq"><double>10.5</double></test>
    <test name="pixelsize" compare="less"><double>16.5</double></test>
    <edit name="antialias" mode="assign"><bool>false</bool></edit>
    <edit name="embeddedbitmap" mode="assign"><bool>true</bool></edit>
  </match>
  <alias binding="same"><family>Lumaro Ming</family><accept><family>AR PL UMing CN</family></accept></alias>
  <alias binding="same"><family>Lumaro Kai</family><accept><family>AR PL UKai CN</family></accept></alias>
  <alias binding="same"><family>Lumaro Brush</family><accept><family>LXGW WenKai</family></accept></alias>
  <alias binding="same"><family>Lumaro Hei</family><accept><family>WenQuanYi Zen Hei</family></accept></alias>
  <alias binding="same"><family>Lumaro Serif</family><accept><family>Noto Serif CJK SC</family></accept></alias>
</fontconfig>
)";

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

QFont interfaceFont()
{
    // The menu and message font of a Chinese desktop; a face without Chinese would send every
    // caption through a search of all fonts for one that has it.
    return designFont(u"宋体"_s, 9);
}

QString programFontFolderName()
{
    return u"fonts"_s;
}

QStringList programFontFileNames()
{
    return {u"lumaro-ming.ttf"_s,       u"lumaro-kai.ttf"_s, u"lumaro-brush.ttf"_s,
            u"lumaro-brush-bold.ttf"_s, u"lumaro-hei.ttf"_s, u"lumaro-serif.otf"_s,
            u"lumaro-serif-bold.otf"_s};
}

void readFontConfiguration()
{
    FcInit();
}

bool addProgramFonts(const QString &programFolder)
{
    FcConfig *config = FcConfigGetCurrent();
    if (config == nullptr)
        return false;
    const QDir faces(QDir(programFolder).filePath(programFontFolderName()));
    bool allThere = true;
    for (const QString &name : programFontFileNames())
        allThere = QFileInfo(faces.filePath(name)).isFile() && allThere;
    // Added as a folder, the faces are read once and then found in fontconfig's cache at every
    // start; fontconfig passes over a damaged file as a face it cannot open.
    const QByteArray folder = QFile::encodeName(faces.path());
    const bool added =
        allThere &&
        FcConfigAppFontAddDir(config, reinterpret_cast<const FcChar8 *>(folder.constData()));
    const bool rulesRead = FcConfigParseAndLoadFromMemory(
        config, reinterpret_cast<const FcChar8 *>(ProgramFontRules), FcTrue);
    return added && rulesRead;
}

} // namespace Fonts
