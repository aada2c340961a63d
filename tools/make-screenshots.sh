#!/usr/bin/env bash
# Makes the pictures of the user guide and the README from the real window, on a virtual display, with
# the guide's sample machine (docs/guide/machine.asc) and rules. Needs xvfb (xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VANTREL_BUILD_DIR:-build-screenshots}
cmake -S . -B "$build" -DVANTREL_BUILD_SCREENSHOTS=ON >/dev/null
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target make_screenshots
# The pictures show the source texts, whatever the language of the machine that makes them.
LANGUAGE=C LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1280x800x24" "$build/docs/make_screenshots" docs/guide docs/guide
