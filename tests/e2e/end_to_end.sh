# Sourced by the end-to-end scripts: reruns the script under xvfb-run (exit 77
# when the tools are missing), starts the program under test, waits for its
# "ready" file and checks screenshot pixels.

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

# Starts the program and waits until it has written $E2E_DIR/ready.
start_program() {
  "$program" &
  pid=$!
  for _ in $(seq 100); do
    [ -s "$E2E_DIR/ready" ] && return 0
    sleep 0.1
  done
  fail "the window did not open"
}

shot="$E2E_DIR/shot.png"
# Takes screenshots until the window (at $left, $top) shows the colour at
# (x, y), for up to ten seconds.
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

# Sends Esc, waits for a clean exit and compares the program's report.
expect_report() {
  xdotool key Escape
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  local report
  report="$(cat "$E2E_DIR/report" 2>/dev/null || true)"
  [ "$report" = "$1" ] || fail "the program received: '$report'"
  echo "PASSED: $report"
}
