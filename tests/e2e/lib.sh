#!/usr/bin/env bash
# Shared steps of the end-to-end tests: the real game in a fresh folder,
# under Xvfb with Mesa's software renderer, driven with xdotool.
set -euo pipefail

E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
GAME_BIN="${QUARROW_BIN:-$E2E_ROOT/build/quarrow}"
ARTIFACTS="${QUARROW_E2E_ARTIFACTS:-$E2E_ROOT/build/e2e-artifacts}"
mkdir -p "$ARTIFACTS"

WORK=""
XVFB_PID=""
GAME_PID=""
WINDOW=""

fail() { echo "FAIL: $*" >&2; exit 1; }

cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "$WORK" ] && rm -rf "$WORK"
}
trap cleanup EXIT

# Starts Xvfb on a free display and copies the game into a fresh folder.
setup() {
    WORK="$(mktemp -d /tmp/quarrow-e2e-XXXXXX)"
    cp "$GAME_BIN" "$WORK/quarrow"
    # Xvfb picks a free display itself and writes its number once it is ready.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        [ -s "$WORK/display" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start"
        sleep 0.1
    done
    [ -s "$WORK/display" ] || fail "Xvfb gave no display"
    export DISPLAY=":$(head -1 "$WORK/display")"
    xdpyinfo >/dev/null 2>&1 || fail "display $DISPLAY does not answer"
    export LIBGL_ALWAYS_SOFTWARE=1
}

# Starts the game and waits for its window.
start_game() {
    (cd "$WORK" && exec ./quarrow) >"$WORK/stdout.txt" 2>"$WORK/stderr.txt" &
    GAME_PID=$!
    for _ in $(seq 1 100); do
        WINDOW="$(xdotool search --name 'Quarrow 1.2 Alpha' 2>/dev/null | head -1 || true)"
        [ -n "$WINDOW" ] && break
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended at start-up: $(cat "$WORK/stderr.txt")"
        sleep 0.1
    done
    [ -n "$WINDOW" ] || fail "no game window"
    xdotool windowfocus "$WINDOW" >/dev/null 2>&1 || true
    sleep 1.0
}

# Holds a key across several frames, then leaves the menu gate time to open.
press() {
    xdotool keydown "$1"
    sleep 0.12
    xdotool keyup "$1"
    sleep 0.35
}

# Captures the game window to $ARTIFACTS/<name>.png.
capture() {
    sleep 0.3
    import -window "$WINDOW" "$ARTIFACTS/$1.png"
}

# Mean brightness (0..1) of a rectangle of a capture: name x y w h.
mean() {
    convert "$ARTIFACTS/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace Gray -format '%[fx:mean]' info:
}

# Colour of one pixel of a capture as "r,g,b" (0..255).
pixel() {
    convert "$ARTIFACTS/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Whether two captures differ inside a rectangle: a b x y w h.
differ() {
    local d
    d="$(compare -metric AE -crop "$5x$6+$3+$4" "$ARTIFACTS/$1.png" "$ARTIFACTS/$2.png" null: 2>&1 || true)"
    [ "${d%% *}" != "0" ]
}

# Waits for the game to end and sets EXIT_STATUS ("timeout" if it does not).
# Not to be called in a subshell: only this shell can wait for the game.
wait_exit() {
    EXIT_STATUS="timeout"
    for _ in $(seq 1 ${1:-100}); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            EXIT_STATUS=0
            wait "$GAME_PID" || EXIT_STATUS=$?
            GAME_PID=""
            return 0
        fi
        sleep 0.1
    done
}

# Captures the game window every 0.1 s for a while, as burst-<n>.png, in the background.
capture_burst() {
    local seconds="$1"
    (
        for n in $(seq 1 $((seconds * 10))); do
            import -window "$WINDOW" "$ARTIFACTS/burst-$n.png" 2>/dev/null || true
            sleep 0.1
        done
    ) &
    BURST_PID=$!
}

# Asks the window to close, as a window manager's close button does.
close_window() {
    [ -x "$WORK/wm_close" ] || gcc -O1 -o "$WORK/wm_close" "$E2E_ROOT/tests/e2e/wm_close.c" -lX11
    "$WORK/wm_close" "$WINDOW"
}
