#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS seconds.
#   bash tools/fuzz.sh SECONDS [TARGET...]
#   TARGET: constants constants_reader settings settings_reader save rules xmlfile expression
# The checked-in seeds in fuzz/corpus/<target>/ are copied to a scratch corpus, so what the fuzzer
# learns stays out of the repository. Crashes land in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $# -lt 1 || ! "$1" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 SECONDS [TARGET...]" >&2
    exit 2
fi
seconds=$1
shift
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    targets=(constants constants_reader settings settings_reader save rules xmlfile expression)
fi

build=${VANTREL_FUZZ_BUILD:-build-fuzz}
jobs=${VANTREL_FUZZ_JOBS:-2}
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_FUZZ=ON \
    -DVANTREL_BUILD_TESTS=OFF -DVANTREL_BUILD_BENCH=OFF >/dev/null
for target in "${targets[@]}"; do
    cmake --build "$build" --target "fuzz_${target}" -j"$jobs"
done

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Without leak detection libFuzzer need not run every input that keeps memory (a pattern cache, say) a
# second time to look for one.
detect_leaks=1
if [[ $ASAN_OPTIONS == *detect_leaks=0* ]]; then
    detect_leaks=0
fi

status=0
for target in "${targets[@]}"; do
    scratch="$build/corpus/$target"
    findings="$build/findings/$target"
    mkdir -p "$scratch" "$findings"
    # The lean reader targets start from the seeds of their full targets.
    seeds=${target%_reader}
    cp -n fuzz/corpus/"$seeds"/* "$scratch"/ 2>/dev/null || true
    dictionary=()
    if [[ -f fuzz/dict/"$seeds".dict ]]; then
        dictionary=(-dict=fuzz/dict/"$seeds".dict)
    fi
    echo "== fuzz_${target}: ${seconds} s"
    if ! "$build/fuzz/fuzz_${target}" "$scratch" ${dictionary[@]+"${dictionary[@]}"} -max_total_time="$seconds" \
        -timeout=10 -detect_leaks="$detect_leaks" -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
        -artifact_prefix="$findings/" 2>&1 | tee "$build/fuzz_${target}.log" | grep -E "^(#[0-9]+.*DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|FUZZ CHECK)|artifact"; then
        :
    fi
    if ! grep -q "stat::number_of_executed_units" "$build/fuzz_${target}.log" ||
        grep -qE "==ERROR|FUZZ CHECK FAILED|Test unit written" "$build/fuzz_${target}.log"; then
        echo "fuzz_${target}: FINDING, see $build/fuzz_${target}.log and $findings" >&2
        status=1
    fi
done
exit $status
