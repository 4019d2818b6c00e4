#!/usr/bin/env bash
# Speaks every narration input TEXTDIR/PREFIXk.txt into OUTDIR/PREFIXk.ogg. The engine and
# its arguments are the ones `lumaro-bank narrate` wrote to TEXTDIR/PREFIX.engine, so what
# `lumaro-bank speech` shows is what is spoken. A file is made again only when its input is
# newer, so an unchanged bank costs nothing on the next build.
set -euo pipefail
text_dir=$1 prefix=$2 out_dir=$3
engine_file="$text_dir/$prefix.engine"
[ -s "$engine_file" ] || { echo "$engine_file：没有这个文件；请先运行 lumaro-bank narrate" >&2; exit 1; }
mapfile -t engine <"$engine_file"
mkdir -p "$out_dir"

# The last step, on its own: the engine's speech, of whatever rate, as the file the program
# plays. Mono at 16 kHz (the s, sh and x of Mandarin need the band above 5.5 kHz), then Ogg
# Opus tuned for speech at about 24 kb/s: a tenth of the wave file, and a teacher cannot tell
# them apart. A fixed stream serial number keeps the build reproducible.
encode() {
    local wav
    wav=$(mktemp --suffix=.wav)
    sox -q "$1" -r 16000 -c 1 -b 16 "$wav" norm -3
    opusenc --quiet --speech --bitrate 24 --serial 1 "$wav" "$2"
    rm -f "$wav"
}

for text in "$text_dir/$prefix"*.txt; do
    [ -e "$text" ] || continue
    name=$(basename "$text" .txt)
    ogg="$out_dir/$name.ogg"
    [ "$ogg" -nt "$text" ] && [ "$ogg" -nt "$engine_file" ] && continue
    raw=$(mktemp --suffix=.wav)
    "${engine[@]}" -w "$raw" -f "$text"
    encode "$raw" "$ogg.tmp"
    mv "$ogg.tmp" "$ogg"
    rm -f "$raw"
done
