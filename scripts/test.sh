#!/usr/bin/env bash
# Installs what is missing, builds everything, packages it and runs every
# test headless.
# Then fuzzes for a minute per target where clang++ is present.
# Exits non-zero when any test or fuzzer fails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The six after git check the Debian package (tests/package); systemd-analyze
# checks the nightly units and the metrics exporter's parser reads status
# --metrics; chromium is the browser of the web view's test, which npm
# (Debian's nodejs and npm where no node is installed) sets up from its lock
# file.
tarn_install "${TARN_PACKAGES[@]}" xvfb xauth poppler-utils ser2net git \
    lintian desktop-file-utils appstream bash-completion man-db dpkg-dev \
    systemd python3-prometheus-client chromium
if ! command -v npm >/dev/null; then
    tarn_install nodejs npm
fi
tarn_build
# The package of this build, which one of the tests checks.
"$TARN_ROOT/scripts/package.sh"

export QT_QPA_PLATFORM=offscreen
tarn_say "Running the tests"
ctest --test-dir "$TARN_BUILD_DIR" --output-on-failure -j "${TARN_TEST_JOBS:-2}"

# The drive link as other systems build it (no timerfd, no FIONREAD), so
# their fallbacks are compiled and tested here too: a small second build of
# the link and its tests only.
tarn_build_portable_link
tarn_say "Running the link tests of the portable build"
ctest --test-dir "$TARN_PORTABLE_BUILD_DIR" -L link --output-on-failure -j "${TARN_TEST_JOBS:-2}"

# Fuzzing needs clang, which this script does not install.
if command -v clang++ >/dev/null; then
    "$TARN_ROOT/scripts/fuzz.sh" 60
fi
