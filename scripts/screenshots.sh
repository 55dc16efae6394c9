#!/usr/bin/env bash
# Installs what is missing, builds, and pictures every window and the main
# states against the virtual drive into docs/screenshots/ (headless).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

tarn_install "${TARN_PACKAGES[@]}"
tarn_build tarn-screens tarn-drive-sim

OUT="${1:-$TARN_ROOT/docs/screenshots}"
QT_QPA_PLATFORM=offscreen "$TARN_BUILD_DIR/tools/tarn-screens" \
    "$TARN_BUILD_DIR/tools/tarn-drive-sim" "$OUT"
