#!/usr/bin/env bash
# Drives the window host through a real X server: a click and typed text sent
# by xdotool must reach the view, and a screenshot must show what it painted.
# Windows made fixed-size before they open (as the diary's main window and the
# about box are) ask the window manager for neither resizing nor maximising;
# a window made resizable again gets both back. A window opens where it was
# placed before it opened, and opening raises no move or resize.
set -euo pipefail
program="$1"

source "$(dirname "$0")/end_to_end.sh"
for tool in xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (tools/setup.sh installs x11-utils)"; exit 77; }
done

export E2E_WINDOW_AT="130 90"
start_program
read -r left top width height about_left about_top toggled_left toggled_top < "$E2E_DIR/ready"
echo "window at $left,$top size ${width}x$height"
[ "$left $top" = "$E2E_WINDOW_AT" ] || fail "the window opened at $left,$top, not at the place set before"

# The X window of that exact name, once it is on the screen.
window_id() {
  local id
  id="$(xdotool search --name "^$1\$" | head -n 1)" || return 1
  [ -n "$id" ] && xwininfo -id "$id" | grep -q 'Map State: IsViewable' && echo "$id"
}
id_of() {
  wait_for window_id "$1" >/dev/null || fail "no X window named '$1' on the screen"
  window_id "$1"
}

main="$(id_of "end to end")"
at="$(xwininfo -id "$main" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }')"
[ "$at" = "$E2E_WINDOW_AT" ] || fail "the X server shows the window at $at"

# _MOTIF_WM_HINTS = flags, functions, decorations, ...: flag 1 makes the
# functions count (resize 2, move 4, minimise 8, maximise 16, close 32), flag 2
# the decorations (border 2, resize handles 4, title 8, menu 16, minimise 32,
# maximise 64). WM_NORMAL_HINTS holds the least and the largest size.
hints=""
read_hints() {
  hints="$(xprop -id "$1" _MOTIF_WM_HINTS WM_NORMAL_HINTS)"
  read -r flags functions decorations < <(echo "$hints" | sed -n 's/.* = \([^,]*\), \([^,]*\), \([^,]*\),.*/\1 \2 \3/p') ||
    true
  smallest="$(echo "$hints" | sed -n 's/.*minimum size: //p')"
  largest="$(echo "$hints" | sed -n 's/.*maximum size: //p')"
  [ -n "$decorations" ] && (( (flags & 3) == 3 ))
}
# Moving, minimising and closing stay; resizing and maximising are gone, and
# the least and largest sizes are the window's own.
offers_fixed_size() {
  read_hints "$1" && (( functions == (4 | 8 | 32) && decorations == (2 | 8 | 16 | 32) )) &&
    [ "$smallest" = "$2" ] && [ "$largest" = "$2" ]
}
# Every function and decoration, as Qt asks for any window, and room to grow
# and to shrink from the window's size ("width by height") both ways.
offers_resizing() {
  read_hints "$1" && (( functions == (2 | 4 | 8 | 16 | 32) && decorations == (2 | 4 | 8 | 16 | 32 | 64) )) || return 1
  local least_width least_height most_width most_height width height
  read -r least_width _ least_height <<< "$smallest"
  read -r most_width _ most_height <<< "$largest"
  read -r width _ height <<< "$2"
  (( ${least_width:-99999} < width && ${least_height:-99999} < height && ${most_width:-0} > width &&
    ${most_height:-0} > height ))
}
expect_fixed_size() {
  wait_for offers_fixed_size "$1" "$2" || fail "$3 does not ask to stay at $2: $hints"
}
expect_resizing() {
  wait_for offers_resizing "$1" "$2" || fail "$3 does not offer resizing and maximising from $2: $hints"
}

expect_fixed_size "$main" "$width by $height" "the main window, fixed before it opened"
expect_fixed_size "$(id_of "end to end about")" "200 by 150" "the about window, fixed before it opened"

# Made fixed and resizable again before it opened; then each click toggles it.
toggled="$(id_of "end to end toggled")"
expect_resizing "$toggled" "200 by 150" "the toggled window, resizable again before it opened"
# (The second click lands elsewhere: a move to where the pointer is waits in vain.)
xdotool mousemove --sync $((toggled_left + 100)) $((toggled_top + 75)) click 1
expect_fixed_size "$toggled" "200 by 150" "the toggled window, fixed once open"
xdotool mousemove --sync $((toggled_left + 120)) $((toggled_top + 75)) click 1
expect_resizing "$toggled" "200 by 150" "the toggled window, resizable again once open"

# The view lies at (50, 50, 200, 100) inside the window.
expect_pixel 60 60 C00000 "the view before the click"
click 150 100
expect_pixel 60 60 00C000 "the clicked view"
xdotool type --delay 40 "hello"
expect_pixel 95 135 0000C0 "the bar of five typed characters"
expect_pixel 105 135 00C000 "past the bar"
expect_pixel 10 10 EFEFEF "window background"

# A press held for a while: the view waits in its press for the release.
xdotool mousemove --sync $((left + 275)) $((top + 25)) mousedown 1
sleep 0.3
xdotool mouseup 1
expect_pixel 275 25 00C0C0 "the held view after its release"

# Moves and resizes of the main, about and toggled windows: none.
expect_report "clicks 1 text hello holds 1 moves 0 0 0 resizes 0 0 0 toggles 2"
