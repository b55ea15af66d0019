#!/usr/bin/env bash
# Through a real X server (xdotool): types into a text edit, accents included,
# and checks that the screenshot shows exactly the typed text as the edit
# draws it, and that the check would tell é from e. Then types a Hebrew name
# over it, selects it whole and checks that the selection lights every column
# of the name. Closing the window by the window manager then ends the program
# with status 0.
#   text_end_to_end.sh PROGRAM WM_CLOSE   (WM_CLOSE: sends WM_DELETE_WINDOW)
set -euo pipefail
program="$1"
wm_close="$2"
source "$(dirname "$0")/end_to_end.sh"

bind_keysyms eacute egrave hebrew_shin hebrew_lamed hebrew_waw hebrew_finalmem
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

xdotool key ctrl+a
text="שלום"
xdotool type --delay 60 "$text"
wait_for shows_text || fail "the window does not show '$text' ($(differ "$text") pixels differ)"
xdotool key ctrl+a
read -r from to row colour < <(QT_QPA_PLATFORM=offscreen "$program" --selection "$text")
# The colours along the top row of the selected name: the selection's alone.
lit() {
  import -window root "$shot"
  [ "$(convert "$shot" -crop "$((to - from))x1+$((left + 20 + from))+$((top + 20 + row))" -depth 8 \
        -unique-colors txt:- | tail -n +2 | grep -o '#[0-9A-F]\{6\}' | tr '\n' ' ')" = "#$colour " ]
}
wait_for lit || fail "the selection does not light columns $from to $to of '$text'"
echo "PASSED: $text selected whole, columns $from to $to lit"

window="$(xdotool search --onlyvisible --pid "$pid" | head -n 1)"
[ -n "$window" ] || fail "no visible window of the program"
"$wm_close" "$window" || fail "could not ask the window to close"
expect_clean_end "its window closed by the window manager"
echo "PASSED: closed by the window manager, status 0"
