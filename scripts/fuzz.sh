#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60) on a copy of its seed corpus in fuzz/corpus/, so
# the committed seeds stay as they are. Exits non-zero on any crash, leak,
# sanitizer report or failed check. Without clang++ it skips and exits 0.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds="${1:-60}"
if ! command -v clang++ >/dev/null || ! command -v clang >/dev/null; then
    tarn_say "clang++ not found: fuzzing is skipped"
    exit 0
fi

fuzz_build="${TARN_FUZZ_BUILD_DIR:-$TARN_ROOT/build-fuzz}"
fuzz_work="${TARN_FUZZ_WORK_DIR:-$fuzz_build/runs}"
targets=(fuzz_parameter_file fuzz_drive_replies fuzz_value_text fuzz_telnet_codec fuzz_plant_file
    fuzz_run_log fuzz_web_route)

if [ ! -f "$fuzz_build/build.ninja" ]; then
    tarn_say "Configuring the fuzz build in $fuzz_build"
    CC=clang CXX=clang++ cmake -S "$TARN_ROOT" -B "$fuzz_build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARN_FUZZ=ON "${TARN_LAUNCHER[@]}"
fi
tarn_say "Building the fuzz targets"
cmake --build "$fuzz_build" --target tarn_fuzzers

export QT_QPA_PLATFORM=offscreen
failed=()
summary=()
for target in "${targets[@]}"; do
    corpus="$fuzz_work/$target/corpus"
    artifacts="$fuzz_work/$target/artifacts"
    log="$fuzz_work/$target/fuzz.log"
    rm -rf "$fuzz_work/$target"
    mkdir -p "$corpus" "$artifacts"
    cp -R "$TARN_ROOT/fuzz/corpus/$target/." "$corpus/"

    tarn_say "Fuzzing $target for $seconds s (log: $log)"
    status=0
    "$fuzz_build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1 || status=$?

    # libFuzzer ends a clean run with "Done <n> runs in <t> second(s)".
    done_line="$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" | tail -n 1 || true)"
    runs="$(sed -E 's/^Done ([0-9]+) runs.*/\1/' <<<"$done_line")"
    time="$(sed -E 's/.* in ([0-9]+) second.*/\1/' <<<"$done_line")"
    if [ -z "$runs" ]; then
        runs="$(grep -E '^stat::number_of_executed_units:' "$log" | awk '{print $2}' | tail -n 1 || true)"
        time="$(grep -E '^stat::average_exec_per_sec:' "$log" >/dev/null && echo "?" || echo "?")"
    fi
    if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer)|runtime error:|FINDING:|deadly signal' "$log"; then
        failed+=("$target")
        summary+=("$target: FAILED (exit $status) after ${runs:-?} runs; see $log and $artifacts")
        grep -E 'ERROR:|runtime error:|FINDING:|SUMMARY:|Test unit written' "$log" | head -n 20 >&2 || true
    else
        summary+=("$target: ${runs:-?} executions in ${time:-?} s, no findings")
    fi
done

tarn_say "Fuzzing summary"
printf '    %s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzzing found problems in: ${failed[*]}" >&2
    exit 1
fi
