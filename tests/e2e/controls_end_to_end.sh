#!/usr/bin/env bash
# Through a real X server (xdotool): chooses from a pop-up menu with the keys,
# then clicks a push button and a check box and checks the screenshot's pixels:
# the click after the menu lands (the button's action turns a marker green)
# and the check box shows its tick.
set -euo pipefail
program="$1"
source "$(dirname "$0")/end_to_end.sh"

start_program
read -r left top width height tickx ticky < "$E2E_DIR/ready"
echo "window at $left,$top size ${width}x$height, tick pixel at $tickx,$ticky"
click() { xdotool mousemove $((left + $1)) $((top + $2)); sleep 0.2; xdotool click 1; }

expect_pixel 350 50 C00000 "the marker before the click"
click 80 141
sleep 0.5
xdotool key Down Down Return
sleep 0.3
click 80 35
expect_pixel 350 50 00C000 "the marker after the push button's action"
click $((tickx + 3)) $((ticky + 3))
expect_pixel "$tickx" "$ticky" 111111 "the check box's tick"
expect_report "menu Two button box 1 "
