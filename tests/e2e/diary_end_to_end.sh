#!/usr/bin/env bash
# The diary program under a real X server: a file argument is refused and ends
# with status 0; food and steps typed through xdotool reach the diary file
# (read with the sqlite3 shell); the screenshot is kept to be looked at.
set -euo pipefail
program="$1"
source "$(dirname "$0")/end_to_end.sh"
db="$HOME/Documents/Di Rizezoz Database"
keep="${DIARY_SHOT:-$PWD/diary_end_to_end.png}"

found=""
shown() { found="$(xdotool search --onlyvisible --name "$1" | head -n 1)"; [ -n "$found" ]; }
answer=""
rows_are() { answer="$(sqlite3 "$db" "$1" 2>&1)"; [ "$answer" = "$2" ]; }
rows() { wait_for rows_are "$1" "$2" || fail "'$1' gave '$answer', expected '$2'"; }

"$program" /etc/hostname & pid=$!
wait_for shown . || fail "no message for the file argument"
xdotool windowfocus --sync "$found" key Return
expect_clean_end "the refusal of a file argument"
[ ! -e "$db" ] || fail "a refused document made a diary file"

"$program" & pid=$!
wait_for shown '^Di Rizezoz$' || fail "the diary window did not open"
# The focus starts in the food field; Tab goes on to calories, then round to steps.
xdotool windowfocus --sync "$found" type --delay 30 "Apple"
xdotool key Tab type --delay 30 "95"
xdotool key Return
rows "SELECT caloric_item, cal_val FROM food" "Apple|95"
xdotool key Tab Tab type --delay 30 "4000"
xdotool key Return
rows "SELECT calorie_total, steps, cal_goal, step_goal FROM daily" "95|4000|2000|10000"
screenshot_when_settled "$keep"
xdotool key ctrl+q
expect_clean_end Ctrl+Q
echo "PASSED: refused a file; stored Apple 95 and 4000 steps; quit with Ctrl+Q; screenshot $keep"
