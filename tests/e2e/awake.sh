#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# While the toy runs, the desktop neither blanks, locks nor sleeps: logind holds the power,
# suspend and hibernate keys for it, the desktop's screen saver is asked to wait, and the X
# server's idle time starts again; all of it is let go on quit. Without any of these services
# the toy plays on and says nothing. logind and the screen saver are stand-ins on a private bus.
source "$(dirname "$0")/lib.sh"

start_session_bus
export DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS
/usr/bin/python3 -m dbusmock --template logind >"$WORK/logind.log" 2>&1 & pids+=($!)
/usr/bin/python3 -m dbusmock org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver \
    org.freedesktop.ScreenSaver >"$WORK/screensaver.log" 2>&1 & pids+=($!)
call() { dbus-send --session --print-reply --dest="$1" "${@:2}" 2>/dev/null; }
inhibitors() { call org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.login1.Manager.ListInhibitors; }
saver_calls() { call org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver org.freedesktop.DBus.Mock.GetCalls; }
stand_ins_up() { inhibitors >/dev/null && saver_calls >/dev/null; }
wait_until 200 stand_ins_up || fail "the stand-ins for logind and the screen saver did not start"
gdbus call --session --dest org.freedesktop.ScreenSaver --object-path /org/freedesktop/ScreenSaver \
    --method org.freedesktop.DBus.Mock.AddMethods org.freedesktop.ScreenSaver \
    "[('Inhibit', 'ss', 'u', 'ret = 7'), ('UnInhibit', 'u', '', '')]" >/dev/null || fail "the stand-in screen saver did not start"

start_display
start_toy
holds_keys() { grep -q "handle-power-key:handle-suspend-key:handle-hibernate-key" <<<"$(inhibitors)"; }
wait_until 200 holds_keys || fail "logind holds no keys for the toy: $(inhibitors)"
inhibitors | grep -q '"block"' || fail "the power keys are not blocked: $(inhibitors)"
saver_calls | grep -q '"Inhibit"' || fail "the screen saver was not asked to wait: $(saver_calls)"
note "logind blocks the power, suspend and hibernate keys; the screen saver was asked to wait"

# Nobody touches anything: the X server's idle time must start again by itself.
idle=$(xprintidle)
idle_restarted() {
    local now
    now=$(xprintidle)
    [ "$now" -lt "$idle" ] || { idle=$now && false; }
}
wait_until 1200 idle_restarted || fail "the display's idle time grew to $idle ms"
note "the display's idle time starts again after $idle ms without input"

quit_toy "with the services"
lets_go() { ! grep -q "handle-power-key" <<<"$(inhibitors)"; }
wait_until 100 lets_go || fail "the power keys are still held after quit"
saver_calls | grep -q '"UnInhibit"' || fail "the screen saver was not let go: $(saver_calls)"
note "on quit, the keys and the screen saver are let go"

DBUS_SESSION_BUS_ADDRESS=unix:path=$WORK/nobus DBUS_SYSTEM_BUS_ADDRESS=unix:path=$WORK/nobus start_toy
quit_toy "without the services"
grep -vE "PulseAudioService|sound output" "$WORK/toy.err" | grep -q . && fail "without the services the toy complained: $(cat "$WORK/toy.err")"
note "without the services the toy plays on and says nothing"
echo "PASS: the screen stays awake and the power keys stay with the toy"
