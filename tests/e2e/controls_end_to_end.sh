#!/usr/bin/env bash
# Clicks a push button and a check box through a real X server (xdotool) and
# checks the screenshot's pixels: the button's action turns a marker green and
# the check box shows its tick.
set -euo pipefail
program="$1"

if [ -z "${E2E_INSIDE_XVFB:-}" ]; then
  for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing"; exit 77; }
  done
  exec env E2E_INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
export E2E_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$E2E_DIR"' EXIT

"$program" &
pid=$!
fail() { echo "FAILED: $*"; kill "$pid" 2>/dev/null; exit 1; }
for _ in $(seq 100); do [ -s "$E2E_DIR/ready" ] && break; sleep 0.1; done
[ -s "$E2E_DIR/ready" ] || fail "the window did not open"
read -r left top width height tickx ticky < "$E2E_DIR/ready"
echo "window at $left,$top size ${width}x$height, tick pixel at $tickx,$ticky"

shot="$E2E_DIR/shot.png"
# Takes screenshots until the window shows the colour at (x, y), for up to ten seconds.
expect_pixel() {
  local got=""
  for _ in $(seq 50); do
    import -window root "$shot"
    got="$("$program" --pixel "$shot" $((left + $1)) $((top + $2)))"
    [ "$got" = "$3" ] && return 0
    sleep 0.2
  done
  fail "pixel ($1, $2) of the window is $got, expected $3 ($4)"
}
click() { xdotool mousemove $((left + $1)) $((top + $2)); sleep 0.2; xdotool click 1; }

expect_pixel 350 50 C00000 "the marker before the click"
click 80 35
expect_pixel 350 50 00C000 "the marker after the push button's action"
click $((tickx + 3)) $((ticky + 3))
expect_pixel "$tickx" "$ticky" 111111 "the check box's tick"

xdotool key Escape
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
report="$(cat "$E2E_DIR/report" 2>/dev/null || true)"
[ "$report" = "button box 1 " ] || fail "the window received: '$report'"
echo "PASSED: $report"
