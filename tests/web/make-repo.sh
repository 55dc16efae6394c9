#!/bin/bash
# Makes a backup repository by real backups of virtual drives, for the web
# view's browser test and screenshots: plant 廠A, machine M01 with axes X
# and Y. Backup 1 with Pn100 400 on X and Y silent, X released as backup 1
# holds it; backup 2 with Pn100 500 on X and Y answering. plant-escape.json
# names the same axes for a plant called 廠<script>alert(1)</script> (its
# name must show as text). Replies are awaited (reply timing); the silent Y is given up
# after 10 ms a parameter, so the backups take seconds. Usage: make-repo.sh TARNCTL DRIVE_SIM DIR
set -euo pipefail
tarnctl=$1 sim=$2 dir=$3
mkdir -p "$dir"
export GIT_CONFIG_GLOBAL=/dev/null GIT_CONFIG_NOSYSTEM=1
export GIT_AUTHOR_NAME=王小明 GIT_AUTHOR_EMAIL=ming@example.com

start_drive() { # name: starts a drive on a fifo-fed stdin, its link at $dir/name.pty
    mkfifo "$dir/$1.in"
    "$sim" --char-ms 0 --link "$dir/$1.pty" <"$dir/$1.in" >"$dir/$1.out" 2>&1 &
    exec {fd}>"$dir/$1.in"
    eval "fd_$1=$fd"
    for _ in $(seq 100); do [ -e "$dir/$1.pty" ] && break; sleep 0.05; done
}
tell() { # name command: one stdin line to a drive, waits for its OK
    local fd_var="fd_$1" before
    before=$(grep -c '^OK' "$dir/$1.out" || true)
    echo "$2" >&"${!fd_var}"
    for _ in $(seq 100); do
        [ "$(grep -c '^OK' "$dir/$1.out" || true)" -gt "$before" ] && return 0
        sleep 0.05
    done
    echo "drive $1 did not take: $2" >&2
    return 1
}
start_drive x
start_drive y
trap 'tell x quit || true; tell y quit || true' EXIT
cat >"$dir/plant.json" <<JSON
{"plant": "廠A", "machines": [
  {"name": "M01", "axes": [{"name": "X", "port": "$dir/x.pty", "timeout": 200}, {"name": "Y", "port": "$dir/y.pty"}]}]}
JSON
sed 's|"廠A"|"廠<script>alert(1)</script>"|' "$dir/plant.json" >"$dir/plant-escape.json"
tell x "set 100 0190"
tell y "fault silent on"
"$tarnctl" backup "$dir/plant.json" --repo "$dir/repo" --timing reply --timeout 10 >/dev/null 2>&1 || true
"$tarnctl" release "$dir/plant.json" --repo "$dir/repo" --axis M01/X >/dev/null
tell y "fault silent off"
tell x "set 100 01F4"
"$tarnctl" backup "$dir/plant.json" --repo "$dir/repo" --timing reply >/dev/null 2>&1 || true
git -C "$dir/repo" log --format=%s
