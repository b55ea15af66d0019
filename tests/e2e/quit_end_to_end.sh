#!/usr/bin/env bash
# The diary program quit every way a user can, after what it showed before: a
# message box, the about box. Each run must end by itself with status 0 (a
# window destroyed after the platform had ended used to crash it on the way
# out). The screenshot after a message box is kept to be looked at.
#   quit_end_to_end.sh PROGRAM WM_CLOSE   (WM_CLOSE: sends WM_DELETE_WINDOW)
set -euo pipefail
program="$1"
wm_close="$2"
source "$(dirname "$0")/end_to_end.sh"
keep="${QUIT_SHOT:-$PWD/quit_end_to_end.png}"

main=""
found=""
# The program's visible windows but the main one, found by name or, with
# "any", by class: open menus have no WM_NAME.
others() {
  if [ "$1" = any ]; then
    xdotool search --onlyvisible --class dirizezoz 2>/dev/null | grep -vx "$main"
  else
    xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "$main"
  fi
}
shown() { found="$(others "$1" | head -n 1)"; [ -n "$found" ]; }
none_shown() { ! others any >/dev/null; }
main_hidden() { ! xdotool search --onlyvisible --name '^Di Rizezoz$' 2>/dev/null | grep -qx "$main"; }

start() {
  "$program" & pid=$!
  main=""
  wait_for shown '^Di Rizezoz$' || fail "the diary window did not open"
  main="$found"
  xdotool windowfocus --sync "$main"
}
# Answers the message box that the keys typed into the main window bring up.
message_after() {
  xdotool windowfocus --sync "$main" key "$@"
  wait_for shown any || fail "no message box after $*"
  xdotool windowfocus --sync "$found" key Return
  wait_for none_shown || fail "the message box stayed after Return"
}
# Clicks File, the first title of the main window's menu bar, and waits for its menu.
at() { awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } END { print x, y }'; }
open_file_menu() {
  local x y
  read -r x y < <(xdotool getwindowgeometry --shell "$main" | at)
  x=$((x + 12)) y=$((y + 9))
  # --sync waits for a move: none comes when the pointer is there already.
  [ "$(xdotool getmouselocation --shell | at)" = "$x $y" ] || xdotool mousemove --sync "$x" "$y"
  xdotool click 1
  wait_for shown any || fail "the File menu did not open"
}
open_about() {
  # From File over Edit to Help, whose first item is then lit: About is next.
  open_file_menu
  xdotool key Right Right Down Return
  wait_for shown '^About Di Rizezoz$' || fail "the about box did not open"
}
end_cleanly() {
  expect_clean_end "$1"
  echo "ended with status 0 after $1"
}

start
message_after ctrl+comma
xdotool windowfocus --sync "$main" key ctrl+q
end_cleanly "the preferences note and Ctrl+Q"

start
xdotool type --delay 30 "Pear"
xdotool key Tab type --delay 30 "12abc"
message_after Return
screenshot_when_settled "$keep"
xdotool windowfocus --sync "$main" key ctrl+q
end_cleanly "a refused calorie amount and Ctrl+Q"

start
open_about
xdotool windowfocus --sync "$found" key ctrl+w
wait_for none_shown || fail "Ctrl+W left the about box open"
xdotool windowfocus --sync "$main" key ctrl+q
end_cleanly "the about box closed with Ctrl+W and Ctrl+Q"

start
open_about
about="$found"
"$wm_close" "$main" || fail "could not ask the main window to close"
wait_for main_hidden || fail "the main window stayed open after WM_DELETE_WINDOW"
# The about box is still open: the program ends when it closes too.
"$wm_close" "$about" || fail "could not ask the about box to close"
end_cleanly "the main window and then the about box closed by the window manager"

start
message_after ctrl+comma
# File > Quit: Q is the item's mnemonic.
open_file_menu
xdotool key q
end_cleanly "File > Quit from the menu after a message box"

echo "PASSED: every quit ended with status 0; screenshot $keep"
