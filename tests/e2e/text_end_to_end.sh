#!/usr/bin/env bash
# Through a real X server (xdotool): types into a text edit, accents included,
# and checks that the screenshot shows exactly the typed text as the edit
# draws it, and that the check would tell é from e.
set -euo pipefail
program="$1"
source "$(dirname "$0")/end_to_end.sh"

bind_keysyms eacute egrave
start_program
read -r left top width height < "$E2E_DIR/ready"
echo "window at $left,$top size ${width}x$height"
expect_pixel 21 21 C3C3C3 "the edit's frame"
click 200 37
text="Café crème"
xdotool type --delay 60 "$text"

# How many pixels of the text differ, drawn apart from the window (no X needed).
differ() { QT_QPA_PLATFORM=offscreen "$program" --match "$shot" $((left + 20)) $((top + 20)) "$1"; }
shows_text() {
  import -window root "$shot"
  [ "$(differ "$text")" = "0" ]
}
wait_for shows_text || fail "the window does not show '$text' ($(differ "$text") pixels differ)"
[ "$(differ "Cafe creme")" != "0" ] || fail "the check cannot tell é from e"
echo "PASSED: $text"
