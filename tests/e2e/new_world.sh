#!/usr/bin/env bash
# A new world from an empty slot: the progress screen, then the playing
# state under the sky; and closing the window while a world is generated.
source "$(dirname "$0")/lib.sh"
setup

is_sky() {  # name: the playing state's clear colour at (50, 50)
    local r g b
    IFS=, read -r r g b <<<"$(pixel "$1" 50 50)"
    [ "$b" -gt 100 ] && [ "$r" -lt 80 ] && [ "$g" -lt 110 ]
}
is_background() {  # name: the earth-brown menu background at (50, 300)
    local r g b
    IFS=, read -r r g b <<<"$(pixel "$1" 50 300)"
    [ "$r" -gt "$b" ] && [ "$g" -gt "$b" ]
}

# --- Generation through to play ---
start_game
capture slots-before
press Return                  # Play: the world slots
capture_burst 4
xdotool keydown Return        # slot 1 has no file: a new world
sleep 0.12
xdotool keyup Return
wait "$BURST_PID"
progress=""
for f in $(ls "$ARTIFACTS"/burst-*.png | sort -V); do
    name="$(basename "$f" .png)"
    # A progress frame: the background with the lines at y 450 and 470.
    if is_background "$name" && differ "$name" slots-before 300 445 260 45 2>/dev/null; then
        progress="$name"
        break
    fi
done
[ -n "$progress" ] && cp "$ARTIFACTS/$progress.png" "$ARTIFACTS/progress.png" || echo "note: generation too quick to catch a progress frame"
sky=""
for _ in $(seq 1 60); do
    capture playing
    if is_sky playing; then sky=1; break; fi
    sleep 0.5
done
[ -n "$sky" ] || fail "no sky after generation: $(pixel playing 50 50)"
kill -0 "$GAME_PID" || fail "the game ended"
close_window
wait_exit 100
[ "$EXIT_STATUS" = "0" ] || fail "exit status $EXIT_STATUS after closing the playing window"
rm -f "$ARTIFACTS"/burst-*.png

# --- Closing the window during generation ---
start_game
press Return
xdotool keydown Return
sleep 0.15
close_window
xdotool keyup Return
wait_exit 50
[ "$EXIT_STATUS" = "0" ] || fail "exit status $EXIT_STATUS after closing during generation (expected 0 within 5 s)"
[ -e "$WORK/Settings.data" ] || fail "settings not written after closing during generation"
[ ! -e "$WORK/Mondo1.data" ] || fail "an unfinished world was saved"
echo "new world: ok"
