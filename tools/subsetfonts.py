#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the program's own faces: each free CJK face it draws with, cut down to the
characters of the program's texts and of its shipped banks, and renamed.

    subsetfonts.py characters CHARACTER_FILE TEXT_FILE...
    subsetfonts.py faces OUTPUT_FOLDER CHARACTER_FILE

The first gathers the characters of the texts (UTF-8) into one file, and leaves it untouched
when they are the same as before, so that a change to the texts remakes the faces only when
it brings a new character. The second cuts the faces down to the characters of that file.

A whole CJK face is 15 to 26 MB and holds some 30,000 glyphs, of which the program draws
fewer than a thousand; a process maps a face in runs of pages around every glyph it reads,
so the whole faces cost the program some 19 MB of memory and their tables time at every
start. The cut faces are a few hundred kilobytes each. A character that is not in them, in
a teacher's bank say, is drawn from the whole face, which the program's font rules name as
the fallback of each cut face.

The outlines, bitmaps, metrics and layout tables of the kept glyphs are unchanged, so text
looks exactly as in the whole face. The new family names keep the faces apart from the
whole ones, as the fonts' licences ask of a modified font.

Needs fontTools (Debian: python3-fonttools) and fontconfig's fc-list.
"""
import subprocess
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

# Output file, the installed face it is cut from (family, style), and the new family.
FACES = [
    ("lumaro-ming.ttf", "AR PL UMing CN", "Light", "Lumaro Ming"),
    ("lumaro-kai.ttf", "AR PL UKai CN", "Book", "Lumaro Kai"),
    ("lumaro-brush.ttf", "LXGW WenKai", "Regular", "Lumaro Brush"),
    ("lumaro-brush-bold.ttf", "LXGW WenKai", "Bold", "Lumaro Brush"),
    ("lumaro-hei.ttf", "WenQuanYi Zen Hei", "Regular", "Lumaro Hei"),
    ("lumaro-serif.otf", "Noto Serif CJK SC", "Regular", "Lumaro Serif"),
    ("lumaro-serif-bold.otf", "Noto Serif CJK SC", "Bold", "Lumaro Serif"),
]

# Always kept, whatever the texts hold: printable ASCII, and the punctuation, full-width
# forms and signs a teacher's bank or a pupil's answer is likely to use.
ALWAYS_KEPT = (
    [range(0x20, 0x7F)]
    + [range(0x2010, 0x2028), range(0x2030, 0x203C), range(0x3000, 0x3020)]
    + [range(0xFF01, 0xFF5F), range(0xFFE0, 0xFFE7)]
    + [range(0xA0, 0x100), [0x152, 0x153, 0x178]]
    + [[0xB7, 0xD7, 0xF7, 0x2212, 0x2103, 0x2116, 0x2160, 0x2161, 0x2162, 0x2163, 0x2164]]
)

def installed_face(family, style):
    """The file and the index in it of an installed face."""
    listing = subprocess.run(
        ["fc-list", f"{family}:style={style}", "--format", "%{file}\t%{index}\t%{family[0]}\n"],
        capture_output=True, text=True, check=True).stdout
    for line in listing.splitlines():
        path, index, found = line.split("\t")
        if found == family:
            return path, int(index)
    sys.exit(f"subsetfonts: the face {family} {style} is not installed")


# FreeType's auto-hinter measures a CJK face on these characters (its blue zones, and 田 for
# the stems): without them a cut face would be hinted, and so drawn, unlike its whole face.
AUTOHINTER_SAMPLES = (
    "田"
    "他们你來們到和地对對就席我时時會来為能舰說说這这齊军同已愿既星是景民照现現理用置要軍那配里開雷露面顾"
    "个为人他以们你來個們到和大对對就我时時有来為要說说主些因它想意理生當看着置者自著裡过还进進過道還里面"
    "些们你來們到和地她将將就年得情最样樣理能說说這这通即吗吧听呢品响嗎師师收断斷明眼間间际陈限除陳随際隨"
    "事前學将將情想或政斯新样樣民沒没然特现現球第經谁起例別别制动動吗嗎增指明朝期构物确种調调費费那都間间"
)


def gather_characters(character_file, text_files):
    kept = {chr(code) for block in ALWAYS_KEPT for code in block} | set(AUTOHINTER_SAMPLES)
    for name in text_files:
        kept.update(c for c in Path(name).read_text(encoding="utf-8") if ord(c) > 0x7F)
    gathered = "".join(sorted(kept))
    target = Path(character_file)
    if not target.exists() or target.read_text(encoding="utf-8") != gathered:
        target.write_text(gathered, encoding="utf-8")


def rename(font, old_family, family, style):
    """Gives the face its new family in every language, keeping the rest of its names."""
    postscript = f"{family.replace(' ', '')}-{style}"
    for record in font["name"].names:
        if record.nameID in (1, 16, 21):
            record.string = family
        elif record.nameID == 3:
            record.string = f"{family} {style}"
        elif record.nameID == 4:
            full = record.toUnicode()
            record.string = full.replace(old_family, family) if old_family in full else family
        elif record.nameID in (6, 20):
            record.string = postscript
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        if hasattr(top, "FamilyName"):
            top.FamilyName = family
        if hasattr(top, "FullName"):
            top.FullName = top.FullName.replace(old_family, family)


def make_face(out_folder, characters, output, family, style, new_family):
    path, index = installed_face(family, style)
    # The bounding boxes stay as stored: FreeType places an outline by them and by the side
    # bearings, and recomputed ones would move some glyphs by a fraction of a pixel.
    font = TTFont(path, fontNumber=index, lazy=False, recalcBBoxes=False, recalcTimestamp=False)
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.glyph_names = False
    # Keep the embedded bitmaps: FreeType draws small sizes of the Ming face from them.
    options.drop_tables = [t for t in options.drop_tables if t not in ("EBDT", "EBLC", "EBSC")]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=characters)
    subsetter.subset(font)
    rename(font, family, new_family, style)
    font.save(str(Path(out_folder) / output))


def main():
    if len(sys.argv) >= 3 and sys.argv[1] == "characters":
        gather_characters(sys.argv[2], sys.argv[3:])
    elif len(sys.argv) == 4 and sys.argv[1] == "faces":
        out_folder = Path(sys.argv[2])
        out_folder.mkdir(parents=True, exist_ok=True)
        characters = [ord(c) for c in Path(sys.argv[3]).read_text(encoding="utf-8")]
        for output, family, style, new_family in FACES:
            make_face(out_folder, characters, output, family, style, new_family)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
