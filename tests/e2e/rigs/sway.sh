# SPDX-License-Identifier: GPL-3.0-or-later
# Headless sway for the escape matrix, with OUTPUTS screens side by side: keys by wtype, the
# pointer by the tests' own input client, state from sway's tree. sway will not run as root.
OUTPUTS=${RIG#sway-}
PROOF=super+Return
PROOF_SIGN=trace

rig_start() {
    become_test_user
    {
        for i in $(seq 1 "$OUTPUTS"); do
            echo "output HEADLESS-$i mode ${width}x${height} position $(((i - 1) * width)) 0"
        done
        for chord in "${TRACE_CHORDS[@]}"; do echo "bindsym $(bindsym_for "$chord") exec touch $ESCAPED/$chord"; done
    } >"$WORK/sway.conf"
    # Started without a shell in between, so the pid is sway's own.
    "${as[@]}" env -i HOME="$WORK" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        WLR_HEADLESS_OUTPUTS="$OUTPUTS" sway -c "$WORK/sway.conf" >"$WORK/sway.log" 2>&1 &
    display_pid=$!
    pids+=($display_pid)
    sway_up() {
        WAYLAND_SOCKET_NAME=$(cd "$XDG_RUNTIME_DIR" && ls | grep -E '^wayland-[0-9]+$' | head -n1) &&
            SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n1) &&
            [ -n "$SWAYSOCK" ] && "${as[@]}" env -i SWAYSOCK="$SWAYSOCK" swaymsg -t get_outputs >/dev/null 2>&1
    }
    wait_until 200 sway_up || fail "sway did not start: $(cat "$WORK/sway.log")"
    session=(HOME="$WORK" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
        WAYLAND_DISPLAY="$WAYLAND_SOCKET_NAME" SWAYSOCK="$SWAYSOCK")
    rig_others
}
tree() { in_session swaymsg -t get_tree -r; }
rig_keys() {
    local chord key keys args
    for chord in "$@"; do
        IFS=+ read -ra keys <<<"$chord"
        args=()
        for key in "${keys[@]:0:${#keys[@]}-1}"; do args+=(-M "${key/super/logo}"); done
        # The modifiers down, the key, and the modifiers up in the same order.
        in_session wtype -s 30 "${args[@]}" -k "${keys[-1]/super/Super_L}" "${args[@]/#-M/-m}"
    done
}
rig_front() { tree | jq -r 'first(.. | objects | select(.focused? == true) | .name) // ""'; }
rig_desktop() { in_session swaymsg -t get_workspaces -r | jq -r '.[] | select(.focused) | .name'; }
rig_activate() { in_session swaymsg "[title=\"^$1\$\"] focus" >/dev/null; }
rig_rect() {
    tree | jq -r --arg t "$1" 'first(.. | objects | select(.name? == $t) | .rect) | "\(.x) \(.y) \(.width) \(.height)"'
}
rig_click() { input "click $1 $2 $((OUTPUTS * width)) $height"; }
rig_wheel() { return 1; }
rig_point() { input "move $1 $2 $((OUTPUTS * width)) $height"; }
# The output play shows on, and where it starts: Qt's first screen, which is HEADLESS-1 on sway 1.7
# and HEADLESS-2 on 1.10.
play_output() {
    tree | jq -r 'first(.nodes[] | select(.type == "output" and any(.. | objects; .name? == "Untitled"))) //
        {name: "HEADLESS-1", rect: {x: 0}} | "\(.name) \(.rect.x)"'
}
# Where play starts, and the middle of another screen.
rig_screens() {
    local name x
    read -r name x <<<"$(play_output)"
    echo "$x $((x == 0 ? width + width / 2 : width / 2))"
}
rig_shot() { in_session grim -o "$(play_output | cut -d' ' -f1)" - >"$WORK/$1.png"; echo "$WORK/$1.png"; }
rig_lose_display() { kill "$display_pid"; }
rig_covered() {
    # Every output shows one full-screen window of the toy, and asks to stay awake. sway 1.10
    # lists the outputs in another order than 1.7.
    local expected="" i
    for i in $(seq 1 "$OUTPUTS"); do expected+="HEADLESS-$i 1 1 true $(((i - 1) * width)) 0 $width $height"$'\n'; done
    [ "$(tree | jq -r --argjson pid "$toy_pid" '.nodes[] | select(.type == "output" and .name != "__i3") |
        [.. | objects | select(.pid? == $pid)] as $w |
        "\(.name) \($w | length) \([$w[].fullscreen_mode] | min) \([$w[].inhibit_idle] | all) \($w[0].rect.x) \($w[0].rect.y) \($w[0].rect.width) \($w[0].rect.height)"' | sort)" = "${expected%$'\n'}" ]
}
rig_identity() {
    local ids
    wait_front Tumbletot
    ids=$(tree | jq -r --argjson pid "$toy_pid" '[.. | objects | select(.pid? == $pid) | .app_id] | unique | join(" ")')
    [ "$ids" = "$APP_ID" ] || fail "the toy's Wayland app id is \"$ids\", not its desktop entry's $APP_ID"
}
rig_with_alt_held() {
    in_session wtype -M alt -s 600 -m alt &
    local held=$!
    "$@"
    wait "$held"
}
# The preferences float over the toy.
rig_dialog() { [ "$(tree | jq '[.. | objects | select(.type? == "floating_con" and .name == "Tumbletot Preferences")] | length')" = 1 ]; }
