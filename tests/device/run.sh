#!/usr/bin/env bash
# Runs the device check on its own Xvfb display with Mesa's software
# renderer. Usage: run.sh <quarrow_device_check> <folder for the screenshots>
set -euo pipefail

CHECK="$1"
ARTIFACTS="$2"
mkdir -p "$ARTIFACTS"
command -v Xvfb >/dev/null || { echo "skip: Xvfb is not installed"; exit 77; }

WORK="$(mktemp -d /tmp/quarrow-device-XXXXXX)"
XVFB_PID=""
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 1 100); do
    [ -s "$WORK/display" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[ -s "$WORK/display" ] || { echo "FAIL: Xvfb gave no display" >&2; exit 1; }

export DISPLAY=":$(head -1 "$WORK/display")"
export LIBGL_ALWAYS_SOFTWARE=1
"$CHECK" "$ARTIFACTS"
