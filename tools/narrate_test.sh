#!/usr/bin/env bash
# narrate.sh's last step turns spoken wave files of any rate into Ogg Opus beside the program,
# as long as the wave file, mono, and again only when the wave file changed.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "narrate_test: $*" >&2; exit 1; }
here=$(dirname "$0")

texts=$work/texts out=$work/out
mkdir "$texts"
sox -n -r 8000 -b 16 -c 1 "$texts/jiangjie91.wav" synth 1.5 sine 300
sox -n -r 16000 -b 16 -c 1 "$texts/jiangjie92.wav" synth 2 sine 440
sox -n -r 22050 -b 16 -c 2 "$texts/jiangjie93.wav" synth 2.5 sine 500
sox -n -r 11025 -b 16 -c 1 "$texts/jiangjie13.wav" synth 1 sine 600 # another prefix
bash "$here/narrate.sh" "$texts" jiangjie9 "$out"

[ "$(ls "$out")" = "$(printf 'jiangjie91.ogg\njiangjie92.ogg\njiangjie93.ogg')" ] ||
    fail "made: $(ls "$out" | tr '\n' ' ')"
for k in 1 2 3; do
    ogg=$out/jiangjie9$k.ogg
    info=$(opusinfo "$ogg")
    grep -q 'Channels: 1' <<<"$info" || fail "jiangjie9$k.ogg is not mono: $info"
    wav_seconds=$(soxi -D "$texts/jiangjie9$k.wav")
    opusdec --quiet "$ogg" "$work/decoded.wav" 2>/dev/null
    ogg_seconds=$(soxi -D "$work/decoded.wav")
    awk -v a="$wav_seconds" -v b="$ogg_seconds" 'BEGIN {exit !(b > a - 0.01 && b < a + 0.01)}' ||
        fail "jiangjie9$k.ogg lasts $ogg_seconds s, its wave file $wav_seconds s"
done

# An unchanged wave file is not encoded again; a changed one is.
touch -d '3 minutes ago' "$texts"/*.wav
touch -d '2 minutes ago' "$out"/*.ogg
before=$(stat -c %Y "$out/jiangjie91.ogg")
sox -n -r 16000 -b 16 -c 1 "$texts/jiangjie92.wav" synth 3 sine 440
bash "$here/narrate.sh" "$texts" jiangjie9 "$out"
[ "$(stat -c %Y "$out/jiangjie91.ogg")" = "$before" ] || fail "an unchanged file was encoded again"
opusinfo "$out/jiangjie92.ogg" | grep -q 'Playback length: 0m:03' ||
    fail "a changed file was not encoded again"
echo "narrate_test: passed"
