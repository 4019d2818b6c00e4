#!/usr/bin/env bash
# Builds Lumaro with all its tests (installing its Debian packages when missing) and runs them:
# the whole program first, then its Debian package, built and checked as a user gets it, then
# the whole program again, windows included, under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the engine's fuzzers.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMARO_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j2
bash scripts/check-package.sh "$(bash scripts/package.sh)"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMARO_ENGINE_ONLY=OFF \
    -DLUMARO_SANITIZE=ON -DLUMARO_FUZZ=ON -DLUMARO_WERROR=ON \
    -DCMAKE_CXX_COMPILER=clang++
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j2
