#!/usr/bin/env bash
# narrate.sh's last step: whatever rate and channels the speech engine writes, each narration
# becomes a mono Ogg Opus file as long as the speech, made again only when its input changed.
# A stand-in engine writes a tone whose rate, channels and length its input names.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "narrate_test: $*" >&2; exit 1; }
here=$(dirname "$0")

texts=$work/texts out=$work/out
mkdir "$texts"
cat >"$work/engine" <<'ENGINE'
#!/usr/bin/env bash
# engine -w OUT.wav -f INPUT, INPUT holding "rate channels seconds"
read -r rate channels seconds <"$4"
sox -n -r "$rate" -b 16 -c "$channels" "$2" synth "$seconds" sine 440
ENGINE
chmod +x "$work/engine"
echo "$work/engine" >"$texts/jiangjie9.engine"
echo "8000 1 1.5" >"$texts/jiangjie91.txt"
echo "16000 1 2" >"$texts/jiangjie92.txt"
echo "22050 2 2.5" >"$texts/jiangjie93.txt"
echo "11025 1 1" >"$texts/jiangjie13.txt" # another prefix
bash "$here/narrate.sh" "$texts" jiangjie9 "$out"

[ "$(ls "$out")" = "$(printf 'jiangjie91.ogg\njiangjie92.ogg\njiangjie93.ogg')" ] ||
    fail "made: $(ls "$out" | tr '\n' ' ')"
for k in 1 2 3; do
    ogg=$out/jiangjie9$k.ogg
    info=$(opusinfo "$ogg")
    grep -q 'Channels: 1' <<<"$info" || fail "jiangjie9$k.ogg is not mono: $info"
    opusdec --quiet "$ogg" "$work/decoded.wav" 2>/dev/null
    seconds=$(soxi -D "$work/decoded.wav")
    wanted=$(awk '{print $3}' "$texts/jiangjie9$k.txt")
    awk -v a="$wanted" -v b="$seconds" 'BEGIN {exit !(b > a - 0.01 && b < a + 0.01)}' ||
        fail "jiangjie9$k.ogg lasts $seconds s instead of $wanted s"
done

# An unchanged input is not spoken again; a changed one is.
touch -d '3 minutes ago' "$texts"/*
touch -d '2 minutes ago' "$out"/*.ogg
before=$(stat -c %Y "$out/jiangjie91.ogg")
echo "16000 1 3" >"$texts/jiangjie92.txt"
bash "$here/narrate.sh" "$texts" jiangjie9 "$out"
[ "$(stat -c %Y "$out/jiangjie91.ogg")" = "$before" ] || fail "an unchanged input was spoken again"
opusinfo "$out/jiangjie92.ogg" | grep -q 'Playback length: 0m:03' ||
    fail "a changed input was not spoken again"
echo "narrate_test: passed"
