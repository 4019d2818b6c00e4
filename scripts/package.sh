#!/usr/bin/env bash
# Builds the Debian package of Lumaro from this tree and prints its path; all else goes to the
# error output. Installs the Debian packages the build needs when any is missing, and reuses
# build/ when it is there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build build >&2
rm -f build/package/lumaro_*.deb
cpack --config build/CPackConfig.cmake >&2
realpath build/package/lumaro_*.deb
