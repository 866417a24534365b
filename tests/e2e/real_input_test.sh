#!/bin/bash
# real_input_test.sh PROGRAM PROBE
#
# Run in the Wine session (wine-run --unix): starts the real program on the session's virtual
# desktop and uses it as a user would, with real X input from xdotool (XTEST, no --window):
# clicks into the protein field, types (one letter among the digits, which the field drops),
# moves on with Tab along the window's own focus order, clicks the button, and reads the
# fields and the result line back with PROBE. Then drags the window by its background and
# closes it with Alt+F4: the window must follow the pointer and the process end with code 0.
set -eu -o pipefail

program=$1
probe=$2

say() { echo "real_input_test: $*" >&2; }
fail() {
    say "FAIL: $*"
    exit 1
}

pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

probe() { timeout 30 "$WINE" "$probe" "$@" 2>/dev/null | tr -d '\r'; }

# wait_until SECONDS DESCRIPTION COMMAND...: polls COMMAND until it succeeds.
wait_until() {
    local seconds=$1 description=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] ||
            fail "no $description after ${seconds} s (window: $(probe window || echo none))"
        sleep 0.2
    done
}

window_place=""
window_is_up() { window_place=$(probe window); }

text_is() {
    local x=$1 y=$2 expected=$3
    [ "$(probe text "$x" "$y")" = "$expected" ]
}

window_is_at() {
    window_is_up || return 1
    local now_left now_top
    read -r now_left now_top _ <<<"$window_place"
    [ "$now_left $now_top" = "$1 $2" ]
}

# A place in the window's client area, on the X screen.
at() { echo "$((desk_x + client_x + $1)) $((desk_y + client_y + $2))"; }

click_at() {
    # shellcheck disable=SC2046
    xdotool mousemove --sync $(at "$1" "$2") click 1
}

type_text() { xdotool type --delay 40 "$1"; }

# A search reads every X window's name; one that another program closes meanwhile makes it fail
# (BadWindow), so it is tried again.
desk=""
find_desktop() { desk=$(xdotool search --name "^$ORVANE_WINE_DESKTOP_WINDOW\$" 2>/dev/null | head -n 1); }
wait_until 10 "window named '$ORVANE_WINE_DESKTOP_WINDOW' on $DISPLAY" find_desktop
read -r desk_x desk_y < <(xdotool getwindowgeometry "$desk" |
    sed -n 's/^ *Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p')

started=$SECONDS
"$WINE" "$program" </dev/null >/dev/null 2>&1 &
pid=$!
wait_until 60 "window" window_is_up
read -r left top right bottom client_x client_y <<<"$window_place"
say "window at $left,$top-$right,$bottom, client area at $client_x,$client_y ($((SECONDS - started)) s)"
[ "$((right - left))x$((bottom - top))" = 677x423 ] || fail "the window is not 677x423"

# Real X input reaches a Wine window only once its X window (the desktop's) has the focus.
xdotool windowfocus --sync "$desk"

# 编辑框1 (protein), then Tab along the focus order: 编辑框6, 编辑框9, 编辑框10, 编辑框11,
# 单选框1, 单选框2 and on to 编辑框2 (fat), then 编辑框3 (carbohydrate); 编辑框4 stays empty.
click_at 148 60
type_text 2x0
for _ in 1 2 3 4 5 6 7; do
    xdotool key Tab
done
type_text 10
xdotool key Tab
type_text 30
click_at 112 221 # 按钮1

wait_until 30 "result line" text_is 16 344 "当前热量约 280 千卡"
for field in "104 48 20 编辑框1" "104 88 10 编辑框2" "104 128 30 编辑框3" "104 168 100 编辑框4"; do
    read -r x y expected name <<<"$field"
    text_is "$x" "$y" "$expected" || fail "$name holds '$(probe text "$x" "$y")', not '$expected'"
done
say "result line and fields read back ($((SECONDS - started)) s)"

is_moving() { [ "$(probe moving)" = yes ]; }

# The X window Wine shows the program's window in, inside the desktop's.
x_window=""
find_x_window() {
    x_window=$(xwininfo -children -id "$desk" 2>/dev/null |
        sed -n 's/^ *\(0x[0-9a-f]*\) "                    Orvane".*/\1/p' | head -n 1)
    [ -n "$x_window" ]
}

# Both where Wine has the window and where its X window is on the display.
window_and_x_window_are_at() {
    window_is_at "$1" "$2" || return 1
    [ "$(xwininfo -id "$x_window" 2>/dev/null | sed -n 's/^ *Absolute upper-left [XY]: *//p' |
        paste -sd,)" = "$((desk_x + $1)),$((desk_y + $2))" ]
}

# A press on the background between the first two panels starts a move; held until the window
# follows the pointer, as a hand holds it, then dragged by (20, 14) three times and let go.
# Each step waits until the window, and its X window, have followed the one before, as a hand's
# pace allows: Wine reads a motion's place relative to the X window it reached, so a motion that
# reached the X window before it followed an earlier one would land off by that much.
wait_until 10 "X window of the program in the desktop" find_x_window
read -r x y < <(at 216 140)
xdotool mousemove --sync "$x" "$y" mousedown 1
wait_until 30 "move of the window after a press on its background" is_moving
for step in 1 2 3; do
    xdotool mousemove --sync $((x + 20 * step)) $((y + 14 * step))
    wait_until 30 "window following the pointer to $((left + 20 * step)),$((top + 14 * step))" \
        window_and_x_window_are_at $((left + 20 * step)) $((top + 14 * step))
done
xdotool mouseup 1
wait_until 30 "end of the move after the button went up" eval '! is_moving'
window_is_at $((left + 60)) $((top + 42)) || fail "the window left its place when the button went up"
say "window dragged to $window_place ($((SECONDS - started)) s)"

xdotool key alt+F4
wait_until 30 "end of the program after Alt+F4" eval '! kill -0 "$pid" 2>/dev/null'
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with code $status"
say "closed with Alt+F4, exit code 0 ($((SECONDS - started)) s)"
