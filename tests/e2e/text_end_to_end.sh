#!/usr/bin/env bash
# Through a real X server (xdotool): types into a text edit, accents included,
# and checks that the screenshot shows exactly the typed text as the edit
# draws it, and that the check would tell é from e.
set -euo pipefail
program="$1"
source "$(dirname "$0")/end_to_end.sh"

start_program
read -r left top width height < "$E2E_DIR/ready"
echo "window at $left,$top size ${width}x$height"
xdotool mousemove $((left + 200)) $((top + 37))
sleep 0.2
xdotool click 1
sleep 0.3
text="Café crème"
xdotool type --delay 60 "$text"

differ=""
for _ in $(seq 50); do
  import -window root "$shot"
  differ="$("$program" --match "$shot" $((left + 20)) $((top + 20)) "$text")"
  [ "$differ" = "0" ] && break
  sleep 0.2
done
[ "$differ" = "0" ] || fail "the window does not show '$text' ($differ pixels differ)"
[ "$("$program" --match "$shot" $((left + 20)) $((top + 20)) "Cafe creme")" != "0" ] ||
  fail "the check cannot tell é from e"
kill "$pid"
echo "PASSED: $text"
