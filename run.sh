#!/usr/bin/env bash
# Builds Lumaro (installing its Debian packages when missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
if [ -x build/bin/lumaro ]; then
    exec build/bin/lumaro "$@"
else
    exec build/bin/lumaro-bank --help
fi
