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

# The pop-up menu view lies at (20, 130, 120, 22); its menu opens over it and
# reaches below it, to (30, 175).
label() { import -window root -crop "110x20+$((left + 25))+$((top + 131))" -format '%#' info:-; }
expect_pixel 350 50 C00000 "the marker before the click"
expect_pixel 30 175 C00000 "the window below the pop-up menu view"
first="$(label)"
click 80 141
expect_pixel 30 175 FFFFFF "the open menu"
xdotool key Down Down Return
# The menu has let the pointer go once the view shows its new choice.
chosen() { [ "$(pixel 30 175)" = C00000 ] && [ "$(label)" != "$first" ]; }
wait_for chosen || fail "the menu did not close on a new choice"
click 80 35
expect_pixel 350 50 00C000 "the marker after the push button's action"
click $((tickx + 3)) $((ticky + 3))
expect_pixel "$tickx" "$ticky" 111111 "the check box's tick"
expect_report "menu Two button box 1 "
