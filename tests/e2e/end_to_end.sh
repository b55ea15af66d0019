# Sourced by the end-to-end scripts. Starts an X server for this run alone
# (Xvfb picks a free display itself; a cookie of its own), with a HOME and a
# runtime folder of its own, or exits 77 when the tools are missing. The
# helpers wait for what they expect to see, never for a fixed time: each wait
# ends as soon as its condition holds and fails after $E2E_WAIT seconds (60,
# for a loaded machine running the sanitizer build).

for tool in Xvfb xauth xkbcomp setxkbmap xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (tools/setup.sh installs xvfb, xauth, xdotool and imagemagick)"
    exit 77
  fi
done

E2E_WAIT="${E2E_WAIT:-60}"
export E2E_DIR="$(mktemp -d)"
export HOME="$E2E_DIR/home" XDG_RUNTIME_DIR="$E2E_DIR/runtime" XAUTHORITY="$E2E_DIR/Xauthority"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_DOCUMENTS_DIR
mkdir "$HOME"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

pid=""
server=""
finish() {
  local status=$?
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$E2E_DIR"
  exit "$status"
}
trap finish EXIT

fail() {
  echo "FAILED: $*"
  exit 1
}

running() { [ -n "$1" ] && kill -0 "$1" 2>/dev/null; }

# Runs the command until it succeeds; false after $E2E_WAIT seconds. Fails at
# once when the X server or the program under test had ended before a check.
wait_for() {
  local deadline=$((SECONDS + E2E_WAIT)) server_up program_up
  while true; do
    running "$server" && server_up=1 || server_up=""
    [ -z "$pid" ] || running "$pid" && program_up=1 || program_up=""
    "$@" && return 0
    [ -n "$server_up" ] || fail "the X server ended: $(cat "$E2E_DIR/xvfb.log")"
    [ -n "$program_up" ] || fail "the program ended while the test waited for: $*"
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Saves a screenshot to $1, for the eye only, once the screen has stopped changing.
settled_shot=""
screen_settled() {
  local now
  now="$(import -window root -format '%#' info:-)"
  [ "$now" = "$settled_shot" ] || { settled_shot="$now"; sleep 0.1; false; }
}
screenshot_when_settled() {
  settled_shot=""
  wait_for screen_settled || true
  import -window root "$1"
}

# A cookie for any display number ("MIT-MAGIC-COOKIE-1" in hex): the number is
# known only once the server runs. -noreset keeps the keymap between clients.
touch "$XAUTHORITY"
echo "ffff 0000  0000  0012 4d49542d4d414749432d434f4f4b49452d31  0010 $(mcookie)" | xauth nmerge -
Xvfb -displayfd 3 -noreset -nolisten tcp -auth "$XAUTHORITY" -screen 0 1280x800x24 \
  3>"$E2E_DIR/display" 2>"$E2E_DIR/xvfb.log" &
server=$!
wait_for test -s "$E2E_DIR/display" || fail "the X server did not start"
export DISPLAY=":$(cat "$E2E_DIR/display")"

# Puts keysyms (eacute ...) on spare keys before the program starts. Else
# xdotool binds each for one keystroke only, and a program that reads the
# keymap after the keystroke has passed sees an unbound key: the letter is lost.
bind_keysyms() {
  local keys="" spare=13 keysym
  for keysym in "$@"; do
    keys+=" key <FK$spare> { [ $keysym ] };"
    spare=$((spare + 1))
  done
  setxkbmap -print | sed "s/\(xkb_symbols *{[^}]*\)}/\1$keys }/" | xkbcomp -w 0 - "$DISPLAY" ||
    fail "could not bind $*"
}

# Starts the program with the given arguments and waits until its window shows
# and has painted: it then writes "left top width height ..." to $E2E_DIR/ready.
start_program() {
  "$program" "$@" &
  pid=$!
  wait_for test -s "$E2E_DIR/ready" || fail "the window did not open"
}

# The colour at (x, y) of the window at ($left, $top) on the screen, as RRGGBB.
pixel() {
  import -window root -crop "1x1+$((left + $1))+$((top + $2))" -depth 8 -format '%[hex:p{0,0}]' info:-
}

got=""
pixel_is() {
  got="$(pixel "$1" "$2")"
  [ "$got" = "$3" ]
}

# Waits until the window shows the colour at (x, y).
expect_pixel() {
  wait_for pixel_is "$1" "$2" "$3" || fail "pixel ($1, $2) of the window is $got, expected $3 ($4)"
}

shot="$E2E_DIR/shot.png"
# Moves the pointer to (x, y) in the window, waits until it is there, clicks.
click() { xdotool mousemove --sync $((left + $1)) $((top + $2)) click 1; }

ended() { ! running "$pid"; }

# Waits for the program to end by itself after what $1 names; fails on any
# exit status but 0 (a crash on the way out is 139).
expect_clean_end() {
  wait_for ended || fail "the program did not end after $1"
  local status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status after $1"
}

# Sends Esc, waits for a clean exit and compares the program's report.
expect_report() {
  xdotool key Escape
  expect_clean_end Esc
  local report
  report="$(cat "$E2E_DIR/report" 2>/dev/null || true)"
  [ "$report" = "$1" ] || fail "the program received: '$report'"
  echo "PASSED: $report"
}
