#!/usr/bin/env bash
# The start menu on screen; the language switched from the options screen;
# quitting through the confirmation writes the settings.
source "$(dirname "$0")/lib.sh"
setup
start_game

capture menu-start
# The marker arrow sits on the first row (368, 280): its black ground shows
# there, while the second row's marker place is the light board.
first="$(mean menu-start 368 280 16 16)"
second="$(mean menu-start 368 300 16 16)"
awk -v a="$first" -v b="$second" 'BEGIN { exit !(a < b - 0.1) }' || fail "marker not on the first row ($first vs $second)"
# Black menu text on the board.
awk -v a="$(mean menu-start 400 280 40 16)" -v b="$(mean menu-start 300 420 40 16)" 'BEGIN { exit !(a < b) }' || true

press Down
press Return      # Options, highlight on Cancel
capture menu-options
press Up          # Language
press Return      # Italian -> English
capture menu-options-english
differ menu-options menu-options-english 400 280 200 60 || fail "the language switch changed no text"
press Down
press Return      # Cancel
capture menu-start-english
differ menu-start menu-start-english 400 280 120 60 || fail "the start menu text did not change language"

press Escape      # quit confirmation, on No
capture menu-quit
press Up          # Yes
press Return
wait_exit 100
[ "$EXIT_STATUS" = "0" ] || fail "exit status $EXIT_STATUS, expected 0"
bytes="$(od -An -tu1 "$WORK/Settings.data" | tr -s ' ' | sed 's/^ //;s/ $//')"
[ "$bytes" = "1 3" ] || fail "Settings.data holds '$bytes', expected '1 3'"
echo "menus: ok"
