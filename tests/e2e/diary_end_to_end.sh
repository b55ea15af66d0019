#!/usr/bin/env bash
# The diary program under a real X server: a file argument is refused and ends
# with status 0; food and steps typed through xdotool reach the diary file
# (read with the sqlite3 shell); the screenshot is kept to be looked at.
set -euo pipefail
program="$1"
source "$(dirname "$0")/end_to_end.sh"
export HOME="$E2E_DIR/home"
db="$HOME/Documents/Di Rizezoz Database"
keep="${DIARY_SHOT:-$PWD/diary_end_to_end.png}"

window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
ended() {
  timeout 10 tail --pid="$pid" -f /dev/null || fail "the program did not end"
  wait "$pid" || fail "the program ended with status $?"
}
rows() {
  for _ in $(seq 50); do
    [ "$(sqlite3 "$db" "$1" 2>/dev/null)" = "$2" ] && return 0
    sleep 0.1
  done
  fail "'$1' gave '$(sqlite3 "$db" "$1" 2>&1)', expected '$2'"
}

"$program" /etc/hostname & pid=$!
box="$(window .)" || fail "no message for the file argument"
xdotool windowfocus --sync "$box" key Return
ended
[ ! -e "$db" ] || fail "a refused document made a diary file"

"$program" & pid=$!
main="$(window '^Di Rizezoz$')" || fail "the diary window did not open"
sleep 0.5
# The focus starts in the food field; Tab goes on to calories, then round to steps.
xdotool windowfocus --sync "$main" type --delay 30 "Apple"
xdotool key Tab type --delay 30 "95"
xdotool key Return
rows "SELECT caloric_item, cal_val FROM food" "Apple|95"
xdotool key Tab Tab type --delay 30 "4000"
xdotool key Return
rows "SELECT calorie_total, steps, cal_goal, step_goal FROM daily" "95|4000|2000|10000"
sleep 0.3
import -window root "$keep"
xdotool key ctrl+q
ended
echo "PASSED: refused a file; stored Apple 95 and 4000 steps; quit with Ctrl+Q; screenshot $keep"
