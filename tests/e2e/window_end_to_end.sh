#!/usr/bin/env bash
# Drives the window host through a real X server: a click and typed text sent
# by xdotool must reach the view, and a screenshot must show what it painted.
set -euo pipefail
program="$1"

source "$(dirname "$0")/end_to_end.sh"

start_program
read -r left top width height < "$E2E_DIR/ready"
echo "window at $left,$top size ${width}x$height"

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
