#!/usr/bin/env bash
# Installs what is missing, builds, and runs tarnb against the virtual drive:
# the drive answers on COM 1, so press OK in the connect dialog, then
# 參數 → 設定.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

tarn_install "${TARN_PACKAGES[@]}"
tarn_build tarnb tarn-drive-sim

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: run this from a desktop session (or set DISPLAY)." >&2
    exit 1
fi

LINK="${TARN_DEMO_LINK:-/tmp/tarn-com1}"
SIM_OUT="$(mktemp)"
"$TARN_BUILD_DIR/tools/tarn-drive-sim" --link "$LINK" "$@" >"$SIM_OUT" &
SIM_PID=$!
# The drive keeps serving until it is told to stop.
trap 'kill "$SIM_PID" 2>/dev/null || true; wait "$SIM_PID" 2>/dev/null || true; rm -f "$SIM_OUT"' EXIT

for _ in $(seq 50); do
    grep -q '^DEVICE ' "$SIM_OUT" && break
    if ! kill -0 "$SIM_PID" 2>/dev/null; then
        echo "The virtual drive did not start." >&2
        exit 1
    fi
    sleep 0.1
done
grep -q '^DEVICE ' "$SIM_OUT" || { echo "The virtual drive did not come up." >&2; exit 1; }
tarn_say "Virtual drive on $(sed -n 's/^DEVICE //p' "$SIM_OUT") (linked as $LINK); choose COM 1"

TARN_COM1="$LINK" "$TARN_BUILD_DIR/app/tarnb"
