#!/usr/bin/env bash
# Builds Vantrel and runs the whole test suite, headless. Warnings are errors here.
set -euo pipefail
cd "$(dirname "$0")/.."

# The install test also runs the desktop entry and AppStream validators.
VANTREL_EXTRA_PACKAGES="desktop-file-utils appstream" bash tools/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-check -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_WERROR=ON
cmake --build build-check -j"$jobs"
ctest --test-dir build-check --output-on-failure -j"$jobs"
