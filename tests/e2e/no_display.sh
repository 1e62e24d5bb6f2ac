#!/usr/bin/env bash
# Without a display the player gets the window error and status 255, no crash.
source "$(dirname "$0")/lib.sh"
WORK="$(mktemp -d /tmp/quarrow-e2e-XXXXXX)"
cp "$GAME_BIN" "$WORK/quarrow"
set +e
(cd "$WORK" && env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 ./quarrow) >"$WORK/out.txt" 2>"$WORK/err.txt"
status=$?
set -e
[ "$status" = "255" ] || fail "status $status, expected 255: $(cat "$WORK/err.txt")"
grep -q "ERRORE" "$WORK/err.txt" || fail "no ERRORE message on standard error"
grep -q "Creazione della finestra fallita." "$WORK/err.txt" || fail "unexpected message: $(cat "$WORK/err.txt")"
[ ! -e "$WORK/Settings.data" ] || fail "settings written after a failed start"
echo "no display: ok"
