# SPDX-License-Identifier: GPL-3.0-or-later
# An X11 desktop for the escape matrix: Xvfb with openbox (stacking) or i3 (tiling), keys and
# clicks by xdotool. The X server itself is the desktop's one way to see anything, so the toy runs
# as whoever runs the test.
WM=${RIG#x11-}
PROOF=super+Return
PROOF_SIGN=trace

rig_start() {
    # Sounds still play when the display goes.
    start_sound
    start_display
    display_pid=${pids[-2]}
    "$PROBE" window other >/dev/null 2>&1 & pids+=($!)
    wait_until 200 xdotool search --name '^other$' >/dev/null || fail "the other window did not open"
}
rig_toy() { env "${BROWSER_ENV[@]}" "$TOY" >"$WORK/toy.out" 2>"$WORK/toy.err" & toy_pid=$!; }
rig_hold_keyboard() {
    "$PROBE" grab >"$WORK/grab.out" &
    grabber=$!
    pids+=($grabber)
    wait_until 200 grep -q held "$WORK/grab.out" || fail "the other program could not hold the keyboard"
}
rig_let_keyboard_go() {
    kill "$grabber" && wait "$grabber" 2>/dev/null || true
    wait_until 200 "$PROBE" held 2>/dev/null || fail "the toy did not take the keyboard once the other program let go"
}
rig_keys() { xdotool key --delay 20 "$@"; }
rig_front() { xdotool getactivewindow getwindowname 2>/dev/null || true; }
rig_desktop() { xprop -root _NET_CURRENT_DESKTOP 2>/dev/null | grep -o '[0-9]*$' || echo none; }
rig_activate() { xdotool search --name "^$1\$" windowactivate --sync >/dev/null 2>&1; }
rig_rect() {
    local id
    id=$(xdotool search --limit 1 --name "^$1\$" 2>/dev/null) || return 0
    xwininfo -id "$id" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width/ { w = $NF } /^ *Height/ { h = $NF } END { print x, y, w, h }'
}
rig_click() { xdotool mousemove "$1" "$2" click 1; }
rig_wheel() {
    xdotool keydown alt click 4 click 5 click 4 keyup alt
    xdotool keydown ctrl keydown alt click 4 click 5 keyup alt keyup ctrl
}
rig_shot() { shot "$1"; }
rig_covered() { covers_screen; }
rig_identity() {
    # The window's class names the desktop entry's StartupWMClass.
    local class
    wait_front Tumbletot
    class=$(xprop -id "$(xdotool getactivewindow)" WM_CLASS)
    grep -q "\"$(sed -n 's/^StartupWMClass=//p' "$ENTRY")\"" <<<"$class" || fail "the toy's WM_CLASS, $class, does not name its desktop entry"
}
rig_with_alt_held() { xdotool keydown alt; "$@"; xdotool keyup alt; }
# The preferences are a dialog of the toy's window: the desktop keeps them over it.
rig_dialog() {
    xprop -id "$(xdotool search --limit 1 --name '^Tumbletot Preferences$')" WM_TRANSIENT_FOR | grep -q "window id #"
}
