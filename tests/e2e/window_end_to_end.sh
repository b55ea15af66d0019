#!/usr/bin/env bash
# Drives the window host through a real X server: a click and typed text sent
# by xdotool must reach the view, and a screenshot must show what it painted.
# The window opens where it was placed before it opened, and being of a fixed
# size it asks the window manager for neither resizing nor maximising.
set -euo pipefail
program="$1"

source "$(dirname "$0")/end_to_end.sh"
for tool in xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (tools/setup.sh installs x11-utils)"; exit 77; }
done

export E2E_WINDOW_AT="130 90"
start_program
read -r left top width height < "$E2E_DIR/ready"
echo "window at $left,$top size ${width}x$height"
[ "$left $top" = "$E2E_WINDOW_AT" ] || fail "the window opened at $left,$top, not at the place set before"
id="$(xdotool search --name '^end to end$' | head -n 1)"
[ -n "$id" ] || fail "no X window named 'end to end'"
at="$(xwininfo -id "$id" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }')"
[ "$at" = "$E2E_WINDOW_AT" ] || fail "the X server shows the window at $at"

# _MOTIF_WM_HINTS = flags, functions, decorations, ...: flag 1 makes the
# functions count (resize 2, move 4, minimise 8, maximise 16, close 32), flag 2
# the decorations (resize handles 4, maximise button 64).
hints="$(xprop -id "$id" _MOTIF_WM_HINTS)"
read -r flags functions decorations < <(echo "$hints" | sed -n 's/.* = \([^,]*\), \([^,]*\), \([^,]*\),.*/\1 \2 \3/p') || true
[ -n "$decorations" ] || fail "no motif hints: $hints"
(( (flags & 3) == 3 && (functions & (2 | 16)) == 0 && (decorations & (4 | 64)) == 0 )) ||
  fail "a fixed-size window offers resizing or maximising: $hints"
(( (functions & (4 | 8 | 32)) == (4 | 8 | 32) )) || fail "moving, minimising or closing is no longer offered: $hints"

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

expect_report "clicks 1 text hello holds 1"
