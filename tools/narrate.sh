#!/usr/bin/env bash
# Speaks every narration input TEXTDIR/PREFIXk.txt into OUTDIR/PREFIXk.wav. The engine and
# its arguments are the ones `lumaro-bank narrate` wrote to TEXTDIR/PREFIX.engine, so what
# `lumaro-bank speech` shows is what is spoken. A file is made again only when its input is
# newer, so an unchanged bank costs nothing on the next build.
set -euo pipefail
text_dir=$1 prefix=$2 out_dir=$3
engine_file="$text_dir/$prefix.engine"
[ -s "$engine_file" ] || { echo "$engine_file：没有这个文件；请先运行 lumaro-bank narrate" >&2; exit 1; }
mapfile -t engine <"$engine_file"
mkdir -p "$out_dir"

# The last step, on its own: the engine's speech as the file the program plays, mono
# 16-bit PCM at 16 kHz (the s, sh and x of Mandarin need the band above 5.5 kHz).
encode() {
    sox -q "$1" -r 16000 -c 1 -b 16 "$2" norm -3
}

for text in "$text_dir/$prefix"*.txt; do
    [ -e "$text" ] || continue
    name=$(basename "$text" .txt)
    wav="$out_dir/$name.wav"
    [ "$wav" -nt "$text" ] && [ "$wav" -nt "$engine_file" ] && continue
    raw=$(mktemp --suffix=.wav)
    "${engine[@]}" -w "$raw" -f "$text"
    encode "$raw" "$wav.tmp.wav"
    mv "$wav.tmp.wav" "$wav"
    rm -f "$raw"
done
