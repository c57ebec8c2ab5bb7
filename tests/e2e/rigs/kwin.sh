# SPDX-License-Identifier: GPL-3.0-or-later
# Headless KWin (Plasma's compositor) for the escape matrix, with four desktops: keys and pointer
# through its fake input, state from a script of the test's own that writes to KWin's log. The
# installed kwin_wayland carries a file capability this machine refuses, so a plain copy runs.
PROOF=ctrl+F2
PROOF_SIGN=desktop
KWIN_HOME="$WORK/home"

session=(HOME="$KWIN_HOME" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
    DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus" WAYLAND_DISPLAY=kwin-test)
# What the scripts say in KWin 5's words and in KWin 6's, which speaks of windows where 5 spoke of
# clients, and of desktops as objects where 5 numbered them from 1.
KWIN_WORDS='
    const six = typeof workspace.windowList === "function";
    const windows = () => six ? workspace.windowList() : workspace.clientList();
    const activeKey = six ? "activeWindow" : "activeClient";
    const desktopNumber = () => six ? workspace.desktops.indexOf(workspace.currentDesktop) + 1 : workspace.currentDesktop;
    function goToDesktop(n) { workspace.currentDesktop = six ? workspace.desktops[n - 1] : n; }'
# Runs a script in KWin; what it prints lands in KWin's log. KWin 6 keeps a loaded script under
# /Scripting, KWin 5 at the root.
kwin_script() {
    local file id path
    file=$(mktemp "$WORK/script.XXXXXX")
    echo "$KWIN_WORDS $1" >"$file"
    chmod 644 "$file"
    id=$(in_session gdbus call --session --dest org.kde.KWin --object-path /Scripting \
        --method org.kde.kwin.Scripting.loadScript "$file" "$(basename "$file")" | grep -o '[0-9-]\+')
    for path in "/Scripting/Script$id" "/$id"; do
        in_session gdbus call --session --dest org.kde.KWin --object-path "$path" \
            --method org.kde.kwin.Script.run >/dev/null 2>&1 && return
    done
    fail "KWin did not run the script $file"
}
# The last line KWin's log has for a key the state script writes.
logged() { grep -a "js: tumbletot $1 " "$WORK/kwin.log" | tail -n1 | cut -d' ' -f4-; }

rig_start() {
    become_test_user
    mkdir -p "$KWIN_HOME/.config" "$WORK/tree/kwin"
    printf '[Desktops]\nNumber=4\nRows=1\n' >"$KWIN_HOME/.config/kwinrc"
    cp /usr/bin/kwin_wayland "$WORK/tree/kwin/kwin_wayland"
    [ ${#as[@]} -eq 0 ] || chown -R "$TEST_USER" "$KWIN_HOME"
    start_session_bus
    # Test-only: any client may send input and take screenshots. Not through a function: the
    # pid must be KWin's own.
    "${as[@]}" env -i "${session[@]}" KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
        "$WORK/tree/kwin/kwin_wayland" --virtual --width "$width" --height "$height" \
        --socket kwin-test --no-lockscreen >"$WORK/kwin.log" 2>&1 &
    display_pid=$!
    pids+=($display_pid)
    kwin_up() { in_session gdbus introspect --session --dest org.kde.KWin --object-path /Scripting >/dev/null 2>&1; }
    wait_until 200 kwin_up || fail "KWin did not start: $(tail -n 20 "$WORK/kwin.log")"
    kwin_script '
        function active(c) { print("tumbletot active " + (c ? c.pid + " " + c.fullScreen + " " + c.desktopFileName + " " + c.caption : "none")); }
        function desktop() { print("tumbletot desktop " + desktopNumber()); }
        function watch(c) {
            for (const change of [c.captionChanged, c.fullScreenChanged])
                change.connect(() => active(workspace[activeKey]));
        }
        (six ? workspace.windowActivated : workspace.clientActivated).connect(active);
        (six ? workspace.windowAdded : workspace.clientAdded).connect(watch);
        windows().forEach(watch);
        workspace.currentDesktopChanged.connect(desktop);
        active(workspace[activeKey]);
        desktop();'
    script_ran() { [ -n "$(logged desktop)" ]; }
    wait_until 100 script_ran || fail "KWin's state script did not run"
    rig_others
}
rig_front() { logged active | cut -d' ' -f4-; }
rig_desktop() { logged desktop; }
rig_activate() { kwin_script "windows().forEach(c => { if (c.caption == '$1') workspace[activeKey] = c; });"; }
# What an expression of the window with the given caption, c, gives, logged under a key.
of_window() {
    kwin_script "windows().forEach(c => { if (c.caption == '$2') print('tumbletot $1 ' + ($3)); });"
    logged "$1"
}
# KWin 6 places windows on fractions of a pixel.
rig_rect() {
    of_window rect "$1" "[c.frameGeometry.x, c.frameGeometry.y, c.frameGeometry.width, c.frameGeometry.height].map(Math.round).join(' ')"
}
rig_covered() { [ "$(logged active | cut -d' ' -f1-2)" = "$toy_pid true" ]; }
rig_identity() {
    wait_front Tumbletot
    [ "$(logged active | cut -d' ' -f3)" = "$APP_ID" ] ||
        fail "KWin knows the toy as \"$(logged active | cut -d' ' -f3)\", not as its desktop entry $APP_ID"
}
rig_reset() {
    kwin_script "goToDesktop($home_desktop);"
    at_home() { [ "$(rig_desktop)" = "$home_desktop" ]; }
    wait_until 100 at_home
}
# The preferences are a dialog of the toy's window: the desktop keeps them over it.
rig_dialog() { [ "$(of_window dialog 'Tumbletot Preferences' 'c.transientFor ? c.transientFor.pid : 0')" = "$toy_pid" ]; }
