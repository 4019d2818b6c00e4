#!/usr/bin/env bash
# Speaks every narration text TEXTDIR/PREFIXk.txt into OUTDIR/PREFIXk.wav with espeak-ng's
# Mandarin voice, as small mono 11 kHz files. A file is made again only when its text is
# newer, so an unchanged bank costs nothing on the next build.
set -euo pipefail
text_dir=$1 prefix=$2 out_dir=$3
mkdir -p "$out_dir"
for text in "$text_dir/$prefix"*.txt; do
    [ -e "$text" ] || continue
    name=$(basename "$text" .txt)
    wav="$out_dir/$name.wav"
    [ "$wav" -nt "$text" ] && continue
    raw=$(mktemp --suffix=.wav)
    espeak-ng -v cmn -s 165 -p 55 -w "$raw" -f "$text"
    sox -q "$raw" -r 11025 -c 1 -b 16 "$wav.tmp.wav" norm -3
    mv "$wav.tmp.wav" "$wav"
    rm -f "$raw"
done
