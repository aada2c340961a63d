#!/usr/bin/env bash
# Builds Vantrel and runs the whole test suite, headless. Warnings are errors here.
set -euo pipefail
cd "$(dirname "$0")/.."

# The install test also runs the desktop entry and AppStream validators; clang-format checks the layout.
VANTREL_EXTRA_PACKAGES="desktop-file-utils appstream clang-format clang-tidy" bash tools/install-deps.sh
VANTREL_QT_MAJOR=6 bash tools/install-deps.sh

# Formatting first: it is cheap and the most common reason a change needs another round.
git ls-files -z -- 'core/*' 'src/*' 'tests/*' 'bench/*' 'fuzz/*' \
    | grep -zE '\.(cpp|h)$' | xargs -0 clang-format --dry-run --Werror

# Every text the window shows has a finished German and French translation.
bash tools/check-translations.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-check -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_WERROR=ON
cmake --build build-check -j"$jobs"
ctest --test-dir build-check --output-on-failure -j"$jobs"

# Static checks (.clang-tidy) over the program's own sources, with the compile commands of that build.
git ls-files -z -- 'core/*.cpp' 'src/*.cpp' | xargs -0 -n 4 -P "$jobs" clang-tidy -p build-check --quiet

# The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer: any invalid access,
# leak in our code or undefined operation stops the test that hit it. Leaks inside third-party
# libraries (fontconfig, the platform plugin) are suppressed by tools/lsan.supp.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE=ON -DVANTREL_WERROR=ON \
    -DVANTREL_BUILD_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

# Once more with Qt 6: the same source, the same suite, the same results.
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS
cmake -S . -B build-qt6 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_QT_MAJOR=6 -DVANTREL_WERROR=ON \
    -DVANTREL_BUILD_BENCH=OFF
cmake --build build-qt6 -j"$jobs"
ctest --test-dir build-qt6 --output-on-failure -j"$jobs"
