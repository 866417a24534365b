#!/bin/bash
# desktop_window_test.sh WIDTHxHEIGHT|off
#
# Run in the Wine session (wine-run --unix): the session's virtual desktop is one window of the
# configured size on $DISPLAY, and a screenshot of it has that size. Exits 77 (skipped) when
# the session has no virtual desktop.
set -eu -o pipefail

size=$1
[ "$size" != off ] || exit 77

# A search reads every X window's name; one that another test's program closes meanwhile makes
# it fail (BadWindow), so it is tried again.
windows=""
for _ in $(seq 20); do
    windows=$(xdotool search --name "^$ORVANE_WINE_DESKTOP_WINDOW\$" 2>/dev/null) && break
    sleep 0.1
done
if [ "$(wc -l <<<"$windows")" -ne 1 ] || [ -z "$windows" ]; then
    echo "expected one window named '$ORVANE_WINE_DESKTOP_WINDOW' on $DISPLAY, found: $windows" >&2
    exit 1
fi

geometry=$(xdotool getwindowgeometry "$windows" | sed -n 's/^ *Geometry: //p')
if [ "$geometry" != "$size" ]; then
    echo "the desktop window is $geometry, not $size" >&2
    exit 1
fi

shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"' EXIT
import -window "$windows" "$shot"
captured=$(identify -format '%wx%h' "$shot")
if [ "$captured" != "$size" ]; then
    echo "a screenshot of the desktop is $captured, not $size" >&2
    exit 1
fi
echo "desktop window $windows: $geometry, captured $captured"
