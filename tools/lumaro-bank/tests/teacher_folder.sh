#!/usr/bin/env bash
# A teacher's program folder, made from a small source, starts headless with the teacher's
# bank: the program names the one narration file taken away, and nothing of the shipped
# tm1.dat (62 records) or of the other types, which are linked.
# Arguments: lumaro-bank (beside the program it links), a bank source of type 1.
set -euo pipefail
tool=$1 shipped_source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
fail() { echo "FAIL: $*" >&2; exit 1; }

# The shipped source cut after its 15th problem: 16 records.
awk '/^\[\[problem\]\]/ { n++ } n <= 15' "$shipped_source" >"$work/small.toml"
folder="$work/我的题库"
"$tool" folder "$folder" "$work/small.toml" --silent >"$work/made" 2>&1 ||
    fail "folder: $(cat "$work/made")"

entries=("$XDG_DATA_HOME"/applications/lumaro-*.desktop)
[ -f "${entries[0]}" ] || fail "no menu entry"
grep -qx 'Name=Lumaro（我的题库）' "${entries[0]}" || fail "menu name: $(cat "${entries[0]}")"
grep -qxF "Exec=\"$folder/lumaro\"" "${entries[0]}" || fail "menu command: $(cat "${entries[0]}")"
[ "$(stat -c %s "$folder/tm1.dat")" -eq $((16 * 470)) ] || fail "tm1.dat is not the teacher's"

rm "$folder/jiangjie116.ogg"
# The program names what it misses at start, then runs until it is stopped: wait for the
# line (the report is written in one go, so a moment more brings any line after it).
"$folder/lumaro" 2>"$work/said" &
program=$!
missing="Lumaro：程序文件夹中缺少文件 $folder/jiangjie116.ogg"
for _ in $(seq 300); do
    grep -qxF "$missing" "$work/said" && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
sleep 1
kill -0 "$program" 2>/dev/null || fail "the program ended by itself: $(cat "$work/said")"
kill "$program"
wait "$program" || true
grep -qxF "$missing" "$work/said" || fail "the teacher's bank was not read: $(cat "$work/said")"
if grep -E "jiangjie1[0-9]*\.ogg" "$work/said" | grep -vqF "$folder/jiangjie116.ogg"; then
    fail "narration of another bank asked for: $(cat "$work/said")"
fi
if grep -qE "/tm[1-5]\.(dat|sha256)$" "$work/said"; then
    fail "a bank is missing: $(cat "$work/said")"
fi
# Nor anything else the program reads: its sounds and the module that plays them are linked.
if grep "缺少" "$work/said" | grep -vqxF "$missing"; then
    fail "the folder lacks a program file: $(cat "$work/said")"
fi
echo "ok: $folder"
