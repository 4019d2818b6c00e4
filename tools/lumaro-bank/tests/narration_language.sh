#!/usr/bin/env bash
# Speaks every record of every shipped bank through the speech engine, exactly as the build
# does, and fails when the engine switches to another language (its phoneme output then
# names it, as "(en)"), or when a digit reaches the engine instead of number words (the
# tone digits of pinyin, "hang2", are no numbers).
set -euo pipefail
tool=$1 banks=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 files=0
for source in "$banks"/tm*.toml; do
    type=$(basename "$source" .toml)
    "$tool" build "$source" "$work/$type.dat" >/dev/null
    "$tool" narrate "$work/$type.dat" "$work/text" "$type-"
    mapfile -t engine <"$work/text/$type-.engine"
    for input in "$work/text/$type-"*.txt; do
        files=$((files + 1))
        phonemes=$("${engine[@]}" -q -x -f "$input")
        if grep -qE '\([a-z]{2,3}(-[a-z]+)*\)' <<<"$phonemes"; then
            echo "$(basename "$input"): the engine leaves Mandarin: $phonemes" >&2
            failures=$((failures + 1))
        fi
        if sed 's/<[^>]*>//g' "$input" | grep -qP '(?<![a-z])[0-9]'; then
            echo "$(basename "$input"): digits reach the engine: $(cat "$input")" >&2
            failures=$((failures + 1))
        fi
    done
done
echo "$files narration inputs, $failures faults"
[ "$files" -gt 0 ] && [ "$failures" -eq 0 ]
