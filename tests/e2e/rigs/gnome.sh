# SPDX-License-Identifier: GPL-3.0-or-later
# Headless GNOME Shell for the escape matrix, with a home of its own: keys and pointer through
# its remote desktop service, state through Eval (opened by a test-only extension), logind a
# stand-in on a private system bus. The toy's desktop entry is installed there, as a package
# would, so the shell can tell the toy's windows for the toy.
PROOF=super
PROOF_SIGN=overview
GNOME_HOME="$WORK/home"

session=(HOME="$GNOME_HOME" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
    DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus" WAYLAND_DISPLAY=gnome-test)
# What a line of the shell's own JavaScript gives, as text.
shell_eval() {
    in_session gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Eval "String($1)" 2>/dev/null |
        sed -n "s/^(true, '\"\\(.*\\)\"')$/\\1/p"
}

rig_start() {
    become_test_user
    local extension="$GNOME_HOME/.local/share/gnome-shell/extensions/tumbletot-tests@tumbletot.github.io"
    mkdir -p "$extension" "$GNOME_HOME/.local/share/applications" "$GNOME_HOME/.local/share/icons/hicolor"
    # Extensions became modules in GNOME 45.
    local source=extension.js
    [ "$(gnome-shell --version | grep -o '[0-9]\+' | head -n1)" -ge 45 ] || source=extension-43.js
    cp "$(dirname "${BASH_SOURCE[0]}")/gnome/metadata.json" "$extension/"
    cp "$(dirname "${BASH_SOURCE[0]}")/gnome/$source" "$extension/extension.js"
    cp -r "$BUILD/icons/scalable" "$GNOME_HOME/.local/share/icons/hicolor/"
    # GNOME leaves out an entry whose program it cannot find.
    sed "s|^Exec=.*|Exec=$TOY|" "$ENTRY" >"$GNOME_HOME/.local/share/applications/$(basename "$ENTRY")"
    [ ${#as[@]} -eq 0 ] || chown -R "$TEST_USER" "$GNOME_HOME"
    start_session_bus
    # The shell asks logind for the session; a stand-in answers on a system bus of the test's
    # own. Both are the test's own children, so that they end with it whatever the shell does.
    local system="unix:path=$XDG_RUNTIME_DIR/system"
    in_background dbus-daemon --session --address="$system" --nofork --nopidfile
    wait_until 200 test -S "$XDG_RUNTIME_DIR/system" || fail "no system bus for logind"
    in_background env DBUS_SYSTEM_BUS_ADDRESS="$system" /usr/bin/python3 -m dbusmock --system --template logind
    logind() {
        in_session env DBUS_SYSTEM_BUS_ADDRESS="$system" gdbus "$1" --system --dest org.freedesktop.login1 \
            --object-path /org/freedesktop/login1 "${@:2}"
    }
    wait_until 200 logind introspect >/dev/null 2>&1 || fail "the stand-in for logind did not start"
    # The template's GetUser adds a number to a string and fails; GNOME 48 asks it.
    logind call --method org.freedesktop.DBus.Mock.AddMethod org.freedesktop.login1.Manager GetUser u o \
        'ret = "/org/freedesktop/login1/user/%d" % args[0]' >/dev/null
    cat >"$WORK/gnome-session.sh" <<SESSION
gsettings set org.gnome.shell enabled-extensions "['tumbletot-tests@tumbletot.github.io']"
export DBUS_SYSTEM_BUS_ADDRESS="$system"
exec gnome-shell --headless --wayland --no-x11 --virtual-monitor ${width}x${height} --wayland-display=gnome-test
SESSION
    # Not through a function: the pid must be the shell's own.
    "${as[@]}" env -i "${session[@]}" bash "$WORK/gnome-session.sh" >"$WORK/gnome.log" 2>&1 &
    display_pid=$!
    pids+=($display_pid)
    shell_ready() { [ "$(shell_eval '!Main.layoutManager._startingUp && !Main.overview.visible')" = true ]; }
    wait_until 400 shell_ready || fail "GNOME Shell did not start: $(tail -n 20 "$WORK/gnome.log")"
    rig_others
}
rig_front() { shell_eval 'global.display.focus_window ? global.display.focus_window.title : ""'; }
rig_desktop() { shell_eval 'global.workspace_manager.get_active_workspace_index()'; }
# The overview, a switcher or a dialog of the shell.
rig_modal() { shell_eval 'Main.overview.visible || Main.modalCount > 0 ? "overview" : ""'; }
find_window() { echo "global.get_window_actors().map(a => a.meta_window).find(w => w.title == '$1')"; }
rig_activate() {
    [ "$(shell_eval "(w => w ? (w.activate(global.get_current_time()), 1) : 0)($(find_window "$1"))")" = 1 ]
}
rig_rect() {
    shell_eval "(r => r.x + ' ' + r.y + ' ' + r.width + ' ' + r.height)($(find_window "$1").get_frame_rect())"
}
rig_shot() {
    in_session gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false "$XDG_RUNTIME_DIR/shot.png" >/dev/null
    mv "$XDG_RUNTIME_DIR/shot.png" "$WORK/$1.png"
    echo "$WORK/$1.png"
}
# GNOME gives the user Super+Escape to take the shortcuts back from any program.
rig_let_go() { rig_keys super+Escape; }
no_modal() { [ -z "$(rig_modal)" ]; }
rig_covered() {
    [ "$(shell_eval '(w => w && w.is_fullscreen() && w.get_pid())(global.display.focus_window)')" = "$toy_pid" ]
}
permission() {
    in_session gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
        --object-path /org/freedesktop/impl/portal/PermissionStore \
        --method org.freedesktop.impl.portal.PermissionStore.Lookup gnome shortcuts-inhibitor 2>&1
}
rig_identity() {
    # The first start asks whether the toy may have the shortcuts; the answer is kept for the
    # toy's entry, so the next start asks nothing.
    # Asking once the dialog has the keys: before that, a key still goes to the toy.
    asking() {
        [ "$(shell_eval "Main.modalCount > 0 && global.stage.key_focus != null && global.get_window_actors().some(a => a.meta_window.get_pid() == $toy_pid)")" = true ]
    }
    wait_until 200 asking || fail "GNOME did not ask to let the toy hold the keys"
    rig_keys Return
    # Read again on each try: the answer is stored a moment after the dialog goes.
    granted() { grep -q "'$APP_ID.desktop': \['GRANTED'\]" <<<"$(permission)"; }
    wait_until 200 granted || fail "GNOME kept no answer for the toy's entry: $(permission)"
    # The shell keeps the keys until its dialog has gone, on a loaded machine a while after the
    # answer.
    keys_to_windows() { [ "$(shell_eval 'Main.modalCount == 0 && global.stage.key_focus == null')" = true ]; }
    wait_until 200 keys_to_windows || fail "GNOME kept the keys after its question was answered"
    quit_with_chord
    rig_toy
    wait_until 200 front_is Tumbletot || fail "the second start did not come in front"
    [ -z "$(rig_modal)" ] || fail "GNOME asked again at the second start"
}
rig_reset() {
    [ -z "$(rig_modal)" ] || rig_keys Escape
    shell_eval "Main.overview.hide(), global.workspace_manager.get_workspace_by_index($home_desktop).activate(global.get_current_time())" >/dev/null
    wait_until 100 no_modal
    rig_activate other
}
# The preferences are a dialog of the toy's window: the desktop keeps them over it.
rig_dialog() { [ "$(shell_eval "$(find_window 'Tumbletot Preferences').get_transient_for()?.get_pid()")" = "$toy_pid" ]; }
