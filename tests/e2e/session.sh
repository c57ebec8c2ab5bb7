#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The child lock, the toy's own session at the login screen: its installed entry (valid, as the
# package test shows) runs the toy in cage without console switching, with or without Xwayland;
# run as the login screen would, under headless cage with one output and with two, the title screen shows on the first and
# the toy covers them all, notes nothing about keys (cage has no shortcuts), and when the toy
# ends, so does the session. (That the toy asks a wlroots compositor to keep the screen on is
# the sway rig's, which sees it in sway's tree.)
source "$(dirname "$0")/lib.sh"
become_test_user
cmake --install "$BUILD" --prefix "$WORK/prefix" >"$WORK/install.log"
chmod -R a+rX "$WORK/prefix"
entry="$WORK/prefix/share/wayland-sessions/tumbletot-child-lock.desktop"
read -ra command <<<"$(sed -n 's/^Exec=//p' "$entry")"
launcher=$(PATH="$WORK/prefix/games" command -v "${command[0]}") || fail "the session's program is not installed: ${command[*]}"
grep -q "^exec cage " "$launcher" && ! grep -qw -- -s "$launcher" ||
    fail "the session does not run cage without console switching: $(cat "$launcher")"
note "the session's entry runs ${command[*]}, which runs: $(grep "^exec" "$launcher")"

# Where only the package was installed there may be no Xwayland, which Debian 12's cage wants: it
# is hidden from the session (a file in its place that cannot run, for the session alone).
hide=()
if [ "$(id -u)" = 0 ] && [ -e /usr/bin/Xwayland ]; then
    hide=(unshare --mount --propagation private sh -c 'mount --bind /dev/null /usr/bin/Xwayland && exec "$@"' sh)
    note "Xwayland hidden from the session"
fi

# As a login screen starts a session: the entry's command, the installed toy on the path.
start_session() {
    "${hide[@]}" "${as[@]}" env -i HOME="$WORK" PATH="$WORK/prefix/games:/usr/bin:/bin" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
        "${SANITIZERS[@]}" WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS="$outputs" WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman "${command[@]}" >"$WORK/session.out" 2>"$WORK/toy.err" &
    cage_pid=$!
    pids+=($cage_pid)
    wait_until 200 eval '[ -n "$(socket)" ]' || fail "cage did not start: $(tail "$WORK/toy.err")"
}
socket() { ls "$XDG_RUNTIME_DIR" 2>/dev/null | grep -E '^wayland-[0-9]+$' | head -n1; }
# Headless cage 0.1.4 may fail every output test from its start (one a frame), and then shows only
# the damaged part of each frame, over black: the rig's fault (the toy commits whole frames). Seen
# about one start in ten on a loaded machine, so it starts again, up to three times.
broken_rig() { [ "$(grep -c 'Basic output test failed' "$WORK/toy.err")" -gt 20 ]; }

for outputs in 1 2; do
    start_session
    output_shot() {
        "${as[@]}" env -i XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" WAYLAND_DISPLAY="$(socket)" grim -o "HEADLESS-$1" - \
            >"$WORK/$2.png" 2>/dev/null && echo "$WORK/$2.png"
    }
    # Every output is the toy's orange (1280 x 720 each; with one output, cage leaves Qt its title
    # bar), and one shows the title screen's panel (a corner of it, as the title screen places
    # it on a screen).
    shown() {
        local panels=0 i shot
        for i in $(seq "$outputs"); do
            shot=$(output_shot "$i" "output$i") || return 1
            [ "$(colour_at "$shot" 5 100)" = ff6d00 ] && [ "$(colour_at "$shot" 1274 714)" = ff6d00 ] || return 1
            [ "$(colour_at "$shot" 408 526)" = ffff00 ] && panels=$((panels + 1))
        done
        [ "$panels" -ge 1 ]
    }
    for _ in 1 2; do
        wait_until $((200 * SLOWER)) eval 'shown || broken_rig'
        shown || ! broken_rig && break
        note "$outputs output(s): headless cage failed its output tests; started again"
        { kill "$cage_pid" && wait "$cage_pid"; } 2>/dev/null || true
        start_session
    done
    wait_until $((200 * SLOWER)) shown || fail "$outputs output(s): the toy does not cover them all with its title screen"
    ! grep -q "^tumbletot: this compositor keeps" "$WORK/toy.err" ||
        fail "$outputs output(s): the toy says cage keeps shortcuts it does not have"
    note "$outputs output(s): every output covered, the title screen shown"
    # No keyboard can be sent to cage: the toy is ended as a logout would.
    pkill -TERM -P "$cage_pid" -x tumbletot
    ended() { ! kill -0 "$cage_pid" 2>/dev/null; }
    wait_until $((200 * SLOWER)) ended || fail "$outputs output(s): the session went on after the toy ended"
done
note "the toy's end ends the session"
echo "PASS: the child lock runs the toy alone in cage, on every output, and ends with it"
