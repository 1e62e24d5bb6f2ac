#!/usr/bin/env bash
# A new world from an empty slot: the progress screen, then the playing
# state under the sky; and closing the window while a world is generated.
source "$(dirname "$0")/lib.sh"
setup

# --- Generation through to play ---
start_game
press Return      # Play: the world slots
press Return      # slot 1 has no file: a new world
capture progress-1
sleep 0.6
capture progress-2
# The pulsing "Loading" line and the progress line sit on the background.
differ progress-1 progress-2 300 440 220 50 || echo "note: progress captures identical"
for _ in $(seq 1 120); do
    sleep 0.5
    capture playing
    # The playing state clears to the sky colour of the time of day.
    IFS=, read -r r g b <<<"$(pixel playing 50 50)"
    if [ "$b" -gt 100 ] && [ "$r" -lt 80 ] && [ "$g" -lt 110 ]; then break; fi
done
IFS=, read -r r g b <<<"$(pixel playing 50 50)"
[ "$b" -gt 100 ] && [ "$r" -lt 80 ] || fail "no sky after generation: $r,$g,$b"
kill -0 "$GAME_PID" || fail "the game ended"
close_window
status="$(wait_exit 100)"
[ "$status" = "0" ] || fail "exit status $status after closing the playing window"

# --- Closing the window during generation ---
rm -f "$WORK/Settings.data"
start_game
press Return
press Return
sleep 0.8
kill -0 "$GAME_PID" || fail "the game ended before the close"
close_window
status="$(wait_exit 50)"
[ "$status" = "0" ] || fail "exit status $status after closing during generation (expected 0 within 5 s)"
[ -e "$WORK/Settings.data" ] || fail "settings not written after closing during generation"
[ ! -e "$WORK/Mondo1.data" ] || fail "an unfinished world was saved"
echo "new world: ok"
