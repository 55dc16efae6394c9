#!/usr/bin/env bash
# Installs what is missing, builds the benchmark, the virtual drive and the
# program, and prints the benchmark's Markdown table (about 90 seconds: the
# protocol's own waits dominate). Progress goes to stderr.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

tarn_install "${TARN_PACKAGES[@]}" ser2net git
tarn_build tarn-bench tarn-drive-sim tarnb tarnctl

export QT_QPA_PLATFORM=offscreen
tarn_say "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p' | head -1)"
"$TARN_BUILD_DIR/bench/tarn-bench" "$@"
