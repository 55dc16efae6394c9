#!/usr/bin/env bash
# Checks the Debian package scripts/package.sh made, without installing it:
# lintian; its file list; and, unpacked into a temporary folder, the
# programs, desktop entry, AppStream metadata, manual pages and bash
# completion. Exit 77 (skipped) when there is no package of this build.
# Usage: check_package.sh PACKAGE VERSION BUILT_TARNCTL README
set -uo pipefail
package=$1 version=$2 built=$3 readme=$4

if [ ! -f "$package" ] || [ "$package" -ot "$built" ]; then
    echo "No package of this build at $package: scripts/package.sh makes it (the test command runs it first)."
    exit 77
fi

missing=""
for tool in lintian dpkg-deb desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || missing+=" $tool"
done
[ -f /usr/share/bash-completion/bash_completion ] || missing+=" bash-completion"
if [ -n "$missing" ]; then
    echo "Not installed:$missing (scripts/test.sh installs them)."
    exit 77
fi

failures=0
fail() {
    printf 'FAIL: %s\n' "$1"
    failures=$((failures + 1))
}
# same WHAT EXPECTED ACTUAL
same() {
    if [ "$2" != "$3" ]; then
        fail "$1"
        diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") | sed 's/^/    /'
    fi
}

# lintian: no error; every warning it still gives is listed in the README
# with its reason.
lintian_output="$(lintian --fail-on error --tag-display-limit 0 "$package" 2>/dev/null)"
status=$?
printf '%s\n' "$lintian_output"
[ $status -eq 0 ] || fail "lintian reports errors (exit $status)"
for tag in $(sed -n 's/^W: [^ ]* \([^ ]*\).*/\1/p' <<<"$lintian_output" | sort -u); do
    grep -q -- "\`$tag\`" "$readme" || fail "lintian warning $tag is not listed in the README"
done

same "files in the package" "./usr/bin/tarn-drive-sim
./usr/bin/tarnb
./usr/bin/tarnctl
./usr/lib/systemd/system/tarn-backup@.service
./usr/lib/systemd/system/tarn-backup@.timer
./usr/share/applications/tarnb.desktop
./usr/share/bash-completion/completions/tarnctl
./usr/share/doc/tarnb/changelog.gz
./usr/share/doc/tarnb/copyright
./usr/share/icons/hicolor/256x256/apps/tarnb.png
./usr/share/icons/hicolor/48x48/apps/tarnb.png
./usr/share/icons/hicolor/scalable/apps/tarnb.svg
./usr/share/man/man1/tarn-drive-sim.1.gz
./usr/share/man/man1/tarnb.1.gz
./usr/share/man/man1/tarnctl.1.gz
./usr/share/metainfo/org.tarnb.tarnb.metainfo.xml" \
    "$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$package" "$root"
bin="$root/usr/bin" share="$root/usr/share"

same "tarnctl --version" "tarnctl $version" "$("$bin/tarnctl" --version 2>&1)"
same "tarn-drive-sim --version" "tarn-drive-sim $version" "$("$bin/tarn-drive-sim" --version 2>&1)"

# The nightly units run the tarnctl this package installs.
same "programs the backup unit runs" "/usr/bin/tarnctl
/usr/bin/tarnctl" "$(sed -n 's/^ExecStart=-\{0,1\}\([^ ]*\) .*/\1/p' \
    "$root/usr/lib/systemd/system/tarn-backup@.service")"

same "desktop-file-validate" "" "$(desktop-file-validate "$share/applications/tarnb.desktop" 2>&1)"
appstreamcli validate --no-net "$share/metainfo/org.tarnb.tarnb.metainfo.xml" ||
    fail "appstreamcli validate"

# Each page renders, under its own title.
for page in tarnb tarnctl tarn-drive-sim; do
    text="$(MANWIDTH=80 man -l "$share/man/man1/$page.1.gz" 2>/dev/null)" || fail "man -l $page.1.gz"
    same "title of $page(1)" "${page^^}(1)" "$(head -n 1 <<<"$text" | awk '{ print $1 }')"
    printf -v "page_${page//-/_}" '%s' "$text"
done
# Generated from the help: every command has its part in tarnctl(1), and
# every option tarn-drive-sim's usage names is described in its OPTIONS.
source "$share/bash-completion/completions/tarnctl"
commands="$(_tarnctl_commands "$bin/tarnctl")"
[ -n "$commands" ] || fail "no commands found in tarnctl --help"
same "commands with a part in tarnctl(1)" "$commands" \
    "$(sed -n 's/^   tarnctl \([a-z-]*\):$/\1/p' <<<"$page_tarnctl")"
options="$("$bin/tarn-drive-sim" --help | grep -o -- '--[a-z-]*' | LC_ALL=C sort -u)"
[ -n "$options" ] || fail "no options found in tarn-drive-sim --help"
described="$(sed -n '/^OPTIONS$/,/^[A-Z]/s/^       \(--[a-z-]*\).*/\1/p' <<<"$page_tarn_drive_sim" | LC_ALL=C sort -u)"
same "options of tarn-drive-sim --help described in tarn-drive-sim(1)" "$options" \
    "$(comm -12 <(printf '%s\n' "$options") <(printf '%s\n' "$described"))"

# Completion as bash-completion loads it: found by the command's name in the
# unpacked share folder, the words offered for the line's last word.
files="$root/files"
mkdir "$files" && touch "$files/a.tarn" "$files/b.json" "$files/c.txt"
complete_line() {
    (cd "$files" && PATH="$bin:$PATH" XDG_DATA_DIRS="$share" bash --norc --noprofile -c '
        source /usr/share/bash-completion/bash_completion
        __load_completion tarnctl || exit 1
        read -ra COMP_WORDS <<<"$1"
        [[ $1 == *" " ]] && COMP_WORDS+=("")
        COMP_LINE=$1 COMP_POINT=${#1} COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        function=$(complete -p tarnctl | sed -n "s/.*-F \([^ ]*\).*/\1/p")
        "$function" tarnctl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[*]}"' _ "$1")
}
while IFS='|' read -r line expected; do
    same "completion of '$line'" "$expected" "$(complete_line "$line")"
done <<'CASES'
tarnctl sa|save
tarnctl -p 1 --timing |fixed reply
tarnctl -p 1 --timing r|reply
tarnctl -p 1 load a.tarn --ch|--changed-only
tarnctl show |a.tarn
tarnctl backup |b.json
tarnctl -p 1 report -o x --against |a.tarn
tarnctl -p 9|9
CASES

if [ $failures -ne 0 ]; then
    echo "$failures check(s) of $package failed"
    exit 1
fi
echo "$package: all checks passed"
