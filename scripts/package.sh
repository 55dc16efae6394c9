#!/usr/bin/env bash
# Makes the Debian package of the build the test command makes (build/, or
# TARN_BUILD_DIR): builds what is installed where it is missing or stale,
# then packages it with cpack (into <build>/package/). Prints the package's
# path on its last line.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

tarn_install "${TARN_PACKAGES[@]}" dpkg-dev
tarn_build tarn_installed
tarn_say "Packaging"
output="$(cd "$TARN_BUILD_DIR" && cpack -G DEB)"
printf '%s\n' "$output"
# cpack names what it made: "CPack: - package: <path> generated."
package="$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$output")"
if [ ! -f "$package" ]; then
    echo "package.sh: cpack made no package" >&2
    exit 1
fi
echo "$package"
