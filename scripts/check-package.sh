#!/usr/bin/env bash
# Checks a built Lumaro package as a user would get it: unpacked into a temporary root, its
# lumaro-bank checks its banks, its program starts through the /usr/bin link and finds every
# file it reads, its menu entry and AppStream data are valid, and lintian finds no error.
# Prints the package's size and installed size.
set -euo pipefail
deb=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

root=$work/root
dpkg-deb -x "$deb" "$root"
program_dir=$root/usr/lib/lumaro

# The links in /usr/bin are relative, so they lead into the unpacked root.
for program in lumaro lumaro-bank; do
    [ "$(realpath "$root/usr/bin/$program")" = "$program_dir/$program" ] ||
        fail "/usr/bin/$program does not lead to /usr/lib/lumaro/$program"
done

for type in 1 2 3 4 5; do
    [ -f "$program_dir/tm$type.sha256" ] || fail "tm$type.sha256 is missing beside tm$type.dat"
    # Without it the program runs, but no pupil is told what went wrong.
    [ -f "$program_dir/tm$type.mistakes.txt" ] ||
        fail "tm$type.mistakes.txt is missing beside tm$type.dat"
    "$root/usr/bin/lumaro-bank" check "$program_dir/tm$type.dat" >/dev/null ||
        fail "lumaro-bank check tm$type.dat failed"
done
(cd "$program_dir" && sha256sum --check --quiet --strict tm[1-5].sha256) ||
    fail "a bank differs from its checksum"

# Starts the program at $1 headless and prints its error output. The program has started its
# main window once it claims its single-instance place in the runtime folder, which is its
# own here so that no other copy of the program interferes.
start_program() {
    local runtime
    runtime=$(mktemp -d "$work/runtime.XXXX")
    XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen "$1" 2>"$runtime.err" &
    local pid=$! waited=0
    until compgen -G "$runtime/lumaro*" >/dev/null; do
        kill -0 "$pid" 2>/dev/null || { cat "$runtime.err" >&2; fail "$1 ended at start"; }
        [ $waited -lt 600 ] || { kill "$pid"; fail "$1 did not open its main window"; }
        sleep 0.1
        waited=$((waited + 1))
    done
    sleep 1
    kill -0 "$pid" 2>/dev/null || { cat "$runtime.err" >&2; fail "$1 ended after start"; }
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    cat "$runtime.err"
}

report=$(start_program "$root/usr/bin/lumaro")
if grep -q '缺少' <<<"$report"; then
    echo "$report" >&2
    fail "the installed program misses files"
fi

# The same check finds what a folder lacks: a copy of the program folder without one bank,
# one checksum and one narration file, started through a link from elsewhere.
copy=$work/copy
cp -r "$program_dir" "$copy"
rm "$copy/tm3.dat" "$copy/tm4.sha256" "$copy/jiangjie12.ogg"
mkdir "$work/bin"
ln -s "$copy/lumaro" "$work/bin/lumaro"
report=$(start_program "$work/bin/lumaro")
expected="Lumaro：程序文件夹中缺少文件 $copy/tm3.dat
Lumaro：程序文件夹中缺少文件 $copy/tm4.sha256
Lumaro：程序文件夹中缺少文件 $copy/jiangjie12.ogg"
[ "$(grep '缺少' <<<"$report" | sort)" = "$(sort <<<"$expected")" ] ||
    fail "a copy lacking tm3.dat, tm4.sha256 and jiangjie12.ogg reported: $report"

# A bank changed after it was built, in bytes that still read as GBK, is named by the check.
printf '\260\241' | dd of="$copy/tm1.dat" bs=1 seek=470 conv=notrunc 2>/dev/null
if "$copy/lumaro-bank" check "$copy/tm1.dat" >"$work/damaged.out" 2>&1 ||
    ! grep -q "tm1.dat：与校验文件" "$work/damaged.out"; then
    fail "a damaged tm1.dat passed lumaro-bank check: $(cat "$work/damaged.out")"
fi

# The narration ships as Ogg Opus only; the short interface sounds stay wave files.
narration=$(compgen -G "$program_dir/jiangjie*.ogg" | wc -l)
[ "$narration" -ge 5 ] || fail "only $narration narration files in Ogg Opus"
! compgen -G "$program_dir/jiangjie*.wav" >/dev/null || fail "narration shipped as wave files"
file -b "$program_dir/jiangjie11.ogg" | grep -q 'Ogg data, Opus audio' ||
    fail "jiangjie11.ogg is not Ogg Opus: $(file -b "$program_dir/jiangjie11.ogg")"

# Sound comes out through PulseAudio's interface, which one of these provides.
[ "$(dpkg-deb -f "$deb" Recommends)" = "pulseaudio | pipewire-pulse" ] ||
    fail "the package does not recommend a sound server"
grep -qx 'StartupWMClass=Lumaro' "$root/usr/share/applications/org.lumaro.Lumaro.desktop" ||
    fail "the menu entry does not name the windows' class"

desktop-file-validate "$root/usr/share/applications/org.lumaro.Lumaro.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.lumaro.Lumaro.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate failed"
for size in 16 22 32 48 64 128 256; do
    [ "$(identify -format %wx%h "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.lumaro.Lumaro.png")" = "${size}x${size}" ] ||
        fail "the ${size}px icon is not ${size}x${size}"
done

lintian --fail-on error --tag-display-limit 0 "$deb" | sed 's/^/lintian: /' >&2 ||
    fail "lintian found errors"

echo "package $(basename "$deb"): $(( $(stat -c %s "$deb") / 1024 / 1024 )) MiB," \
    "installed $(( $(dpkg-deb -f "$deb" Installed-Size) / 1024 )) MiB"
