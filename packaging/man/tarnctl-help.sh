#!/bin/bash
# What help2man reads for tarnctl(1): `tarnctl --help`, then every command's
# own --help under a heading of its own, so the manual page lists each
# command and its options exactly as the program does. TARNCTL names the
# program, COMPLETION its bash completion (which knows how to find the
# commands in the help).
set -euo pipefail
tarnctl="${TARNCTL:?TARNCTL names the tarnctl to describe}"
if [ "${1:-}" = "--version" ]; then
    exec "$tarnctl" --version
fi
source "${COMPLETION:?COMPLETION names tarnctl\'s bash completion}"
# Example lines as help2man keeps them one to a line: led by "$ ".
examples() {
    sed '/^範例：$/,/^$/ s/^  \([^ ]\)/  $ \1/'
}
"$tarnctl" --help | examples
commands="$(_tarnctl_commands "$tarnctl")"
if [ -z "$commands" ]; then
    echo "tarnctl-help.sh: no commands found in tarnctl --help" >&2
    exit 1
fi
printf '\n*各命令的說明*\n\n'
for command in $commands; do
    # "tarnctl save:" over an indented first line makes a subsection.
    printf 'tarnctl %s:\n' "$command"
    "$tarnctl" "$command" --help | sed '1s/^/  /' | examples
    printf '\n'
done
