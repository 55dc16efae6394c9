#!/usr/bin/env bash
# Installs what is missing, builds, and pictures every window and the main
# states against the virtual drive into docs/screenshots/ (headless).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

tarn_install "${TARN_PACKAGES[@]}" poppler-utils
tarn_build tarn-screens tarn-drive-sim

OUT="${1:-$TARN_ROOT/docs/screenshots}"
QT_QPA_PLATFORM=offscreen "$TARN_BUILD_DIR/app/tarn-screens" \
    "$TARN_BUILD_DIR/tools/tarn-drive-sim" "$OUT"
# The same windows in English, as *-en.png.
QT_QPA_PLATFORM=offscreen "$TARN_BUILD_DIR/app/tarn-screens" \
    "$TARN_BUILD_DIR/tools/tarn-drive-sim" "$OUT" en

# The parameter report of a sample drive handed over against a reference
# file: the first and last PDF pages, and the HTML page on a desktop and a
# phone where a headless chromium is installed.
tarn_build report_shots
REPORTS="$(mktemp -d)"
trap 'rm -rf "$REPORTS"' EXIT
QT_QPA_PLATFORM=offscreen "$TARN_BUILD_DIR/tests/report/report_shots" "$REPORTS"
if command -v pdftoppm >/dev/null; then
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$REPORTS/report.pdf" "$OUT/report-pdf"
    LAST="$(pdfinfo "$REPORTS/report.pdf" | sed -n 's/^Pages: *//p')"
    pdftoppm -png -r 60 -f "$LAST" -l "$LAST" -singlefile "$REPORTS/report.pdf" "$OUT/report-pdf-last"
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$REPORTS/report-en.pdf" "$OUT/report-pdf-en"
fi
shoot() { # name, window size
    chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars \
        --window-size="$2" --screenshot="$OUT/$1.png" "file://$REPORTS/report.html" 2>/dev/null
}
if command -v chromium >/dev/null; then
    shoot report-html 1100,900
    shoot report-html-phone 390,844
fi
