#!/usr/bin/env bash
# The diary program itself under a real X server: a file argument is refused
# and ends with status 0; typed input (xdotool) reaches the diary file
# (checked with the sqlite3 shell); the screenshot is kept for a look.
set -euo pipefail
program="$1"
source "$(dirname "$0")/end_to_end.sh"
command -v sqlite3 >/dev/null || { echo "SKIPPED: sqlite3 is missing"; exit 77; }
export HOME="$E2E_DIR/home"
mkdir -p "$HOME"
db="$HOME/Documents/Di Rizezoz Database"

# Waits for a visible window whose title matches $1 and prints its id.
wait_window() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}
# Waits for the program to end and checks its status.
expect_exit_0() {
  local status=0
  timeout 10 tail --pid="$pid" -f /dev/null || fail "the program did not end"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
# Polls a query of the diary file until it answers $2.
expect_rows() {
  local got=""
  for _ in $(seq 50); do
    got="$(sqlite3 "$db" "$1" 2>/dev/null || true)"
    [ "$got" = "$2" ] && return 0
    sleep 0.1
  done
  fail "'$1' gave '$got', expected '$2'"
}

"$program" /etc/hostname &
pid=$!
box="$(wait_window .)" || fail "no message box for the file argument"
xdotool windowfocus --sync "$box" key Return
expect_exit_0
[ ! -e "$db" ] || fail "a refused document made a diary file"

"$program" &
pid=$!
main="$(wait_window '^Di Rizezoz$')" || fail "the diary window did not open"
sleep 0.5
# The focus starts in the food field; Tab goes on to calories, then round to steps.
xdotool windowfocus --sync "$main"
xdotool type --delay 30 "Apple"
xdotool key Tab
xdotool type --delay 30 "95"
xdotool key Return
expect_rows "SELECT caloric_item, cal_val FROM food" "Apple|95"
xdotool key Tab Tab
xdotool type --delay 30 "4000"
xdotool key Return
expect_rows "SELECT calorie_total, steps, cal_goal, step_goal FROM daily" "95|4000|2000|10000"
sleep 0.3
import -window root "$shot"
cp "$shot" "${DIARY_SHOT:-$PWD/diary_end_to_end.png}"
xdotool key ctrl+q
expect_exit_0
echo "PASSED: the refusal, Apple 95 and 4000 steps stored, Ctrl+Q; screenshot in ${DIARY_SHOT:-$PWD/diary_end_to_end.png}"
