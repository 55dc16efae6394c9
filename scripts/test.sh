#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
# Exits non-zero when any test fails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

tarn_install "${TARN_PACKAGES[@]}" xvfb xauth
tarn_build

export QT_QPA_PLATFORM=offscreen
tarn_say "Running the tests"
ctest --test-dir "$TARN_BUILD_DIR" --output-on-failure -j "${TARN_TEST_JOBS:-2}"
