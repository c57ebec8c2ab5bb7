#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a Wayland desktop (sway, headless, OUTPUTS screens side by side), the toy is a Wayland
# client that covers every screen with one full-screen window; the compositor's shortcuts never
# fire while the child plays; a click on any screen plays on the first; the preferences float
# over the toy, which holds the keys again after them; a compositor that goes away ends the toy
# with one line and status 1. sway will not run as root: as root, the test runs it and the toy
# as an unprivileged user of its own.
source "$(dirname "$0")/lib.sh"
VPOINTER=$(dirname "$TOY")/tumbletot-wlinput
OUTPUTS=${OUTPUTS:-1}
width=${SCREEN_SIZE%x*}
height=${SCREEN_SIZE#*x}

as=()
home=$HOME
if [ "$(id -u)" = 0 ]; then
    id tumbletot-test >/dev/null 2>&1 || useradd --system --create-home tumbletot-test
    as=(setpriv --reuid=tumbletot-test --regid=tumbletot-test --init-groups)
    home=$(getent passwd tumbletot-test | cut -d: -f6)
    chmod 755 "$WORK"
fi
RUN="$WORK/wayland-run"
mkdir -m 700 "$RUN"
[ ${#as[@]} -gt 0 ] && chown tumbletot-test "$RUN"
mkdir -m 777 "$ESCAPED"

# As the test's user, in its session (sway takes an empty SWAYSOCK for a path, so none is set
# before there is one).
as_user() {
    local session=(HOME="$home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$RUN")
    [ -n "${SWAYSOCK:-}" ] && session+=(SWAYSOCK="$SWAYSOCK" WAYLAND_DISPLAY="$WAYLAND_SOCKET_NAME")
    "${as[@]}" env -i "${session[@]}" "$@"
}

{
    for i in $(seq 1 "$OUTPUTS"); do
        echo "output HEADLESS-$i mode ${width}x${height} position $(((i - 1) * width)) 0"
    done
    bind_desktop_keys
} >"$WORK/sway.conf"
# Started without a shell in between, so the pid is sway's own.
"${as[@]}" env -i HOME="$home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$RUN" WLR_BACKENDS=headless \
    WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS="$OUTPUTS" \
    sway -c "$WORK/sway.conf" >"$WORK/sway.log" 2>&1 &
sway_pid=$!
pids+=($sway_pid)
for _ in $(seq 200); do
    WAYLAND_SOCKET_NAME=$(cd "$RUN" && ls 2>/dev/null | grep -E '^wayland-[0-9]+$' | head -n1 || true)
    [ -n "$WAYLAND_SOCKET_NAME" ] && SWAYSOCK=$(ls "$RUN"/sway-ipc.*.sock 2>/dev/null | head -n1 || true)
    [ -n "${SWAYSOCK:-}" ] && as_user swaymsg -t get_outputs >/dev/null 2>&1 && break
    sleep 0.05
done
[ -n "${SWAYSOCK:-}" ] || fail "sway did not start: $(cat "$WORK/sway.log")"

tree() { as_user swaymsg -t get_tree -r; }
keys() { as_user wtype -s 300 "$@"; }
# One pointer for the whole test, made before the toy starts; each command waits for its answer.
start_pointer() {
    mkfifo "$WORK/pointer.in"
    as_user "$VPOINTER" <"$WORK/pointer.in" >"$WORK/pointer.out" 2>&1 &
    pids+=($!)
    exec 3>"$WORK/pointer.in"
    wait_until 200 grep -q ready "$WORK/pointer.out" || fail "no virtual pointer: $(cat "$WORK/pointer.out")"
}
answers() { grep -cx done "$WORK/pointer.out" || true; }
more_answers_than() { [ "$(answers)" -gt "$1" ]; }
# pointer move|click X Y, in the layout of all outputs side by side.
pointer() {
    local answered
    answered=$(answers)
    echo "$1 $2 $3 $((OUTPUTS * width)) $height" >&3
    wait_until 200 more_answers_than "$answered" ||
        fail "the virtual pointer did not $1: $(cat "$WORK/pointer.out")"
}

# Per output: "output count fullscreen x y w h name" for the toy's windows on it.
placement() {
    tree | jq -r --argjson pid "$toy_pid" '.nodes[] | select(.type == "output" and .name != "__i3") |
        [.. | objects | select(.pid? == $pid)] as $w |
        "\(.name) \($w | length) \([$w[].fullscreen_mode] | min) \($w[0].rect.x) \($w[0].rect.y) \($w[0].rect.width) \($w[0].rect.height) \($w[0].name)"'
}

# Every output shows one full-screen window of the toy, the first one named $1.
covered() {
    local expected="" i
    for i in $(seq 1 "$OUTPUTS"); do
        expected+="HEADLESS-$i 1 1 $(((i - 1) * width)) 0 $width $height"$'\n'
    done
    [ "$(placement | cut -d' ' -f1-7)" = "${expected%$'\n'}" ] &&
        [ "$(placement | head -n1 | cut -d' ' -f8-)" = "$1" ]
}
wait_covered() {
    wait_until 200 covered "$1" ||
        fail "$2: the screens are not covered by the toy:"$'\n'"$(placement)"$'\n'"focused: $(focused)"
}

# How many of the toy's nodes in the tree match a jq condition.
toy_nodes() { tree | jq --argjson pid "$toy_pid" "[.. | objects | select(.pid? == \$pid and ($1))] | length"; }

focused() { tree | jq -c '[.. | objects | select(.focused? == true) | {name, type, pid}]'; }

output_shot() { as_user grim -o "$1" - >"$WORK/$2.png"; echo "$WORK/$2.png"; }

start_pointer

"${as[@]}" env -i HOME="$home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$RUN" \
    WAYLAND_DISPLAY="$WAYLAND_SOCKET_NAME" "$TOY" >"$WORK/toy.out" 2>"$WORK/toy.err" &
toy_pid=$!
wait_covered Tumbletot "the start screen"
keys -k space
wait_covered Untitled "play"
note "sway, $OUTPUTS output(s): one full-screen window on each, the start screen behind unmapped"
awake_everywhere() { [ "$(toy_nodes '.inhibit_idle == true')" = "$OUTPUTS" ]; }
wait_until 100 awake_everywhere || fail "the compositor was not asked to stay awake on every output"
note "the compositor stays awake while the toy plays"

for chord in "-M logo -k Return -m logo" "-M alt -k Tab -m alt" "-M alt -k F4 -m alt" \
    "-M logo -k d -m logo" "-M ctrl -M alt -k Right -m alt -m ctrl" "-M logo -k e -m logo"; do
    # shellcheck disable=SC2086
    keys $chord
done
wait_covered Untitled "after the compositor's keys"
kill -0 "$toy_pid" 2>/dev/null || fail "the compositor's keys closed the toy"
[ -z "$(escaped_keys)" ] || fail "keys reached the compositor: $(escaped_keys)"
note "Super+Return, Alt+Tab, Alt+F4, Super+D, Ctrl+Alt+Right and Super+E stay in the toy"

# Headless sway may leave an output unrepainted while the pointer is on another (the toy has
# committed the shape; the pointer coming back shows it), so the pointer returns to a corner of
# the first output before each look. A new shape may by chance look like the last one: a few
# clicks until the first screen changes.
pointer move 20 20
changed=0
for attempt in $(seq 10); do
    before=$(output_shot HEADLESS-1 before-click)
    pointer click $(((OUTPUTS - 1) * width + width / 2 + attempt * 10)) $((height / 2))
    pointer move 20 20
    for _ in $(seq $((20 * SLOWER))); do
        changed=$(differ "$before" "$(output_shot HEADLESS-1 after-click)")
        [ "$changed" -gt 100 ] && break 2
        sleep 0.05
    done
done
[ "$changed" -gt 100 ] ||
    fail "clicks on output $OUTPUTS drew nothing on the first; focused: $(focused)"
note "a click on output $OUTPUTS plays on the first (click $attempt)"

keys -M ctrl -M shift -k p -m shift -m ctrl
preferences_float() {
    [ "$(toy_nodes '.type == "floating_con"')" = 1 ] &&
        [ "$(toy_nodes '.type == "floating_con" and .name == "Tumbletot Preferences"')" = 1 ]
}
wait_until 200 preferences_float ||
    fail "the preferences do not float over the toy: $(tree | jq -c --argjson pid "$toy_pid" '[.. | objects | select(.pid? == $pid) | {name, type, fullscreen_mode}]')"
keys -k Return
wait_covered Untitled "after the preferences"
keys -M logo -k Return -m logo
wait_covered Untitled "a compositor key after the preferences"
[ -z "$(escaped_keys)" ] || fail "after the preferences, keys reached the compositor: $(escaped_keys)"
note "the preferences float over the toy; after Play the compositor's keys stay in the toy"

kill "$sway_pid"
wait_exit 10
[ "$exited" = 1 ] || fail "the toy gave \"$exited\" when the compositor went away"
grep -q "^tumbletot: lost the display$" "$WORK/toy.err" || fail "the toy did not say it lost the display"
note "the compositor gone, the toy ends with status 1 and one line"
echo "PASS: sway with $OUTPUTS output(s) keeps the child in"
