#!/usr/bin/env bash
# Drives the window host through a real X server: a click and typed text sent
# by xdotool must reach the view, and a screenshot must show what it painted.
set -euo pipefail
program="$1"

if [ -z "${E2E_INSIDE_XVFB:-}" ]; then
  for tool in xvfb-run xdotool import; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIPPED: $tool is missing (tools/setup.sh installs xvfb, xauth, xdotool and imagemagick)"
      exit 77
    fi
  done
  exec env E2E_INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
export E2E_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$E2E_DIR"' EXIT

pid=""
fail() {
  echo "FAILED: $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}

"$program" &
pid=$!
for _ in $(seq 100); do
  [ -s "$E2E_DIR/ready" ] && break
  sleep 0.1
done
[ -s "$E2E_DIR/ready" ] || fail "the window did not open"
read -r left top width height < "$E2E_DIR/ready"
echo "window at $left,$top size ${width}x$height"

shot="$E2E_DIR/shot.png"
pixel() { "$program" --pixel "$shot" $((left + $1)) $((top + $2)); }
# Takes screenshots until the window shows the colour at (x, y), for up to ten seconds.
expect_pixel() {
  local got=""
  for _ in $(seq 50); do
    import -window root "$shot"
    got="$(pixel "$1" "$2")"
    [ "$got" = "$3" ] && return 0
    sleep 0.2
  done
  fail "pixel ($1, $2) of the window is $got, expected $3 ($4)"
}

# The view lies at (50, 50, 200, 100) inside the window.
expect_pixel 60 60 C00000 "the view before the click"
xdotool mousemove $((left + 150)) $((top + 100))
sleep 0.2
xdotool click 1
expect_pixel 60 60 00C000 "the clicked view"
xdotool type --delay 40 "hello"
expect_pixel 95 135 0000C0 "the bar of five typed characters"
expect_pixel 105 135 00C000 "past the bar"
expect_pixel 10 10 EFEFEF "window background"

# A press held for a while: the view waits in its press for the release.
xdotool mousemove $((left + 275)) $((top + 25))
sleep 0.2
xdotool mousedown 1
sleep 0.3
xdotool mouseup 1
expect_pixel 275 25 00C0C0 "the held view after its release"

xdotool key Escape
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
report="$(cat "$E2E_DIR/report" 2>/dev/null || true)"
[ "$report" = "clicks 1 text hello holds 1" ] || fail "the view received: '$report'"
echo "PASSED: $report"
