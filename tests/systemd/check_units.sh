#!/usr/bin/env bash
# The nightly units as systemd reads them: copies configured with the
# build's own tarnctl, named for a plant whose name needs escaping, checked
# with `systemd-analyze verify`. Exit 77 (skipped) without systemd-analyze.
# Usage: check_units.sh SERVICE TIMER
set -euo pipefail
command -v systemd-analyze >/dev/null || { echo "systemd-analyze is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
instance=$(systemd-escape "廠A 2")
cp "$1" "$work/tarn-backup@$instance.service"
cp "$2" "$work/tarn-backup@$instance.timer"
cd "$work"
# verify prints nothing for units it accepts; anything it says is a finding.
out=$(SYSTEMD_LOG_LEVEL=warning systemd-analyze verify --man=no \
    "tarn-backup@$instance.service" "tarn-backup@$instance.timer" 2>&1) || {
    echo "$out"; exit 1; }
if [ -n "$out" ]; then
    echo "$out"
    exit 1
fi
echo "verified tarn-backup@$instance.service and .timer"
