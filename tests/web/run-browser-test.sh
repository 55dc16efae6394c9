#!/bin/bash
# Runs the browser test: puppeteer-core from the committed lock file into
# the build (npm ci, from npm's cache when it holds the packages; never a
# browser download), then the test against Debian's chromium. Exits 77
# (skipped) where chromium or npm is not installed; scripts/test.sh installs
# both. Usage: run-browser-test.sh BUILD_DIR SHOT_DIR
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build=$1 shots=$2
chromium="${CHROMIUM:-/usr/bin/chromium}"
if [ ! -x "$chromium" ] || ! command -v npm >/dev/null; then
    echo "chromium or npm is not installed: skipped"
    exit 77
fi
modules="$build/browser-test"
mkdir -p "$modules" "$shots"
if ! cmp -s "$here/browser/package-lock.json" "$modules/package-lock.json"; then
    echo "# npm ci (puppeteer-core as locked)"
    cp "$here/browser/package.json" "$here/browser/package-lock.json" "$modules/"
    (cd "$modules" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefer-offline --ignore-scripts --no-audit --no-fund)
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
WORK_DIR="$work" SHOT_DIR="$shots" CHROMIUM="$chromium" NODE_PATH="$modules/node_modules" \
    node "$here/browser/web-browser.test.js"
