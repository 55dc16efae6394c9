# Shared by run-demo.sh and test.sh: installing what is missing and building.
# Sourced, not run.

TARN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TARN_BUILD_DIR="${TARN_BUILD_DIR:-$TARN_ROOT/build}"
TARN_BUILD_TYPE="${TARN_BUILD_TYPE:-RelWithDebInfo}"
TARN_PORTABLE_BUILD_DIR="${TARN_PORTABLE_BUILD_DIR:-$TARN_ROOT/build-portable}"

# What building and running need on Debian or Ubuntu (help2man and
# rsvg-convert make the manual pages and the icon's bitmaps; libmicrohttpd
# is tarnctl serve's HTTP server, found through pkg-config; lupdate and
# lrelease build the English, and qt6-translations-l10n holds Qt's own
# Traditional Chinese texts).
TARN_PACKAGES=(qt6-base-dev qt6-serialport-dev qt6-qpa-plugins cmake ninja-build g++ fonts-noto-cjk
    help2man librsvg2-bin libmicrohttpd-dev pkg-config qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n)

tarn_say() { printf '==> %s\n' "$*"; }

# Compiles through ccache where it is installed, so a second build of the
# same sources (another clone, the fuzz build) takes a fraction of the time.
TARN_LAUNCHER=()
if command -v ccache >/dev/null; then
    TARN_LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Paths relative to the clone, so clones in other folders share entries.
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$TARN_ROOT}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
fi

# Installs the given packages that are not installed yet; does nothing (and
# needs no network) when all of them are.
tarn_install() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg -s "$package" 2>/dev/null | grep -q '^Status: install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    if ! command -v apt-get >/dev/null; then
        echo "Missing packages: ${missing[*]}; this script installs them with apt-get only." >&2
        return 1
    fi
    local run=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Missing packages: ${missing[*]}; run as root or install sudo." >&2
            return 1
        fi
        run=(sudo)
    fi
    tarn_say "Installing ${missing[*]}"
    "${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds the given targets, or everything.
tarn_build() {
    if [ ! -f "$TARN_BUILD_DIR/build.ninja" ]; then
        tarn_say "Configuring in $TARN_BUILD_DIR"
        cmake -S "$TARN_ROOT" -B "$TARN_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="$TARN_BUILD_TYPE" \
            "${TARN_LAUNCHER[@]}"
    fi
    tarn_say "Building ${*:-everything}"
    if [ $# -eq 0 ]; then
        cmake --build "$TARN_BUILD_DIR"
    else
        cmake --build "$TARN_BUILD_DIR" --target "$@"
    fi
}

# Configures (once) the portable link build and builds the link's tests
# (and the virtual drive they run against), nothing else.
tarn_build_portable_link() {
    if [ ! -f "$TARN_PORTABLE_BUILD_DIR/build.ninja" ]; then
        tarn_say "Configuring the portable link build in $TARN_PORTABLE_BUILD_DIR"
        cmake -S "$TARN_ROOT" -B "$TARN_PORTABLE_BUILD_DIR" -G Ninja \
            -DCMAKE_BUILD_TYPE="$TARN_BUILD_TYPE" -DTARN_PORTABLE_LINK=ON "${TARN_LAUNCHER[@]}"
    fi
    tarn_say "Building the link tests without the Linux-only parts"
    cmake --build "$TARN_PORTABLE_BUILD_DIR" --target tarn_link_tests
}
