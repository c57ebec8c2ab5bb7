#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The escape matrix (escapes.tsv) on one desktop, RIG=openbox, i3, sway-1, sway-2, gnome or kwin.
# The rig first shows it sees an escape with no toy running. Then the toy starts, known to the
# desktop as its desktop entry; every chord at every moment, and every other attempt in play,
# leaves it in front, covering every screen; Ctrl+Shift+Q ends it with status 0; a display lost
# under a second toy ends that with status 1 and one line.
#   RIG=gnome tests/e2e/escapes.sh build/bin/tumbletot
source "$(dirname "$0")/lib.sh"
RIG=${RIG:?which desktop}
TABLE=$(dirname "$0")/escapes.tsv
ENTRY=$(cd "$(dirname "$0")/../../packaging" && pwd)/io.github.tumbletot.Tumbletot.desktop
APP_ID=$(basename "$ENTRY" .desktop)
width=${SCREEN_SIZE%x*} height=${SCREEN_SIZE#*x}
# What a rig does unless it says otherwise: the ways of a Wayland desktop, run as the test user
# in its session, with keys and pointer from an input client.
rig_toy() {
    # Not through a function: the pid must be the toy's own.
    "${as[@]}" env -i "${session[@]}" "${SANITIZERS[@]}" "${BROWSER_ENV[@]}" "$TOY" \
        >"$WORK/toy.out" 2>"$WORK/toy.err" &
    toy_pid=$!
}
# A chord to an input client: the keys down in order, then up the other way.
declare -A EVDEV=([super]=125 [ctrl]=29 [alt]=56 [shift]=42 [Escape]=1 [Tab]=15 [Return]=28
    [space]=57 [grave]=41 [Left]=105 [Right]=106 [Page_Down]=109 [Delete]=111 [a]=30 [d]=32
    [e]=18 [l]=38 [p]=25 [q]=16 [s]=31 [v]=47 [F1]=59 [F2]=60 [F3]=61 [F4]=62 [F10]=68)
rig_keys() {
    local chord keys key i lines
    for chord in "$@"; do
        IFS=+ read -ra keys <<<"$chord"
        lines=()
        for key in "${keys[@]}"; do lines+=("key ${EVDEV[$key]:?unknown key $key} 1"); done
        for ((i = ${#keys[@]} - 1; i >= 0; i--)); do lines+=("key ${EVDEV[${keys[i]}]} 0"); done
        input "${lines[@]}"
    done
}
rig_with_alt_held() { input "key 56 1"; "$@"; input "key 56 0"; }
rig_modal() { :; }
# The input client, then a window of another program for the desktop to switch to.
rig_others() {
    start_input "$WLINPUT"
    in_background "$PROBE" window other
    wait_until 200 front_is other || fail "the other window did not open"
}
rig_click() { input "click $1 $2 $width $height"; }
rig_wheel() { input "key 56 1" "wheel -1" "wheel 1" "key 56 0"; }
rig_let_go() { return 1; }
rig_shot() { return 1; }
rig_reset() { rm -f "$ESCAPED"/*; rig_activate other; }
# Another program holds the keyboard as the toy starts, and lets go once the toy is in front: where
# a desktop has such grabs (X11), the toy takes the keys as soon as it can.
rig_hold_keyboard() { return 1; }
rig_let_keyboard_go() { :; }
rig_lose_display() { { kill -9 "$display_pid"; wait "$display_pid"; } 2>/dev/null || true; }
case "$RIG" in
openbox | i3) source "$(dirname "$0")/rigs/x11.sh" ;;
sway-*) source "$(dirname "$0")/rigs/sway.sh" ;;
*) source "$(dirname "$0")/rigs/$RIG.sh" ;;
esac

# The table's column for this desktop; the chords are the rows before alt+wheel, each also bound
# to a file where the desktop leaves it free.
declare -A sign
while read -r attempt cell; do
    sign[$attempt]=$cell
    [ -n "${sign[alt+wheel]:-}" ] || TRACE_CHORDS+=("$attempt")
done < <(awk -v rig="$RIG" '/^# attempt/ { for (i = 3; i <= NF; i++) if ($i == rig) c = i - 1 } c && !/^#/ { print $1, $c }' "$TABLE")
[ ${#sign[@]} -gt 0 ] || fail "escapes.tsv has no column for $RIG"

# How an escape shows, if one did: the toy gone, another window with the keyboard, another
# desktop, the shell's overview, a binding's file.
escape_shown() {
    local front
    kill -0 "$toy_pid" 2>/dev/null || { echo "the toy ended"; return; }
    front=$(rig_front)
    [[ $front =~ ^($in_front)$ ]] || { echo "\"$front\" has the keyboard"; return; }
    [ "$(rig_desktop)" = "$home_desktop" ] || { echo "desktop $(rig_desktop) came up"; return; }
    [ -z "$(rig_modal)" ] || { echo "the shell's overview came up"; return; }
    [ -z "$(ls "$ESCAPED")" ] || echo "a binding ran: $(ls "$ESCAPED")"
}
escaped() { shown=$(escape_shown) && [ -n "$shown" ]; }
# An attempt made; an escape may take a moment to show.
held() { ! wait_until 4 escaped || fail "$RIG, $moment: $1 escaped: $shown (it would show as: ${sign[$1]})"; }
front_is() { [ "$(rig_front)" = "$1" ]; }
wait_front() { wait_until 200 front_is "$1" || fail "$RIG, ${moment:-starting}: expected \"$1\" in front, found \"$(rig_front)\""; }
on_failure() { echo "the screen: $(rig_shot failure || echo "none: this rig takes no screenshots")"; }
quit_with_chord() {
    rig_keys ctrl+shift+q
    wait_exit 5
    [ "$exited" = 0 ] || fail "$RIG: Ctrl+Shift+Q gave \"$exited\""
}

rig_start
home_desktop=$(rig_desktop)
# A desktop just started may miss its very first key.
proof_shown() { [ -n "$(in_front=other toy_pid=$$ escape_shown)" ]; }
for _ in 1 2 3; do rig_keys "$PROOF"; wait_until 40 proof_shown && break; done
proof_shown || fail "$RIG: $PROOF showed no escape with no toy running"
note "$RIG: with no toy, $PROOF shows as ${PROOF_SIGN}: the rig sees escapes"
rig_reset

# "Web site" opens a browser of sorts: a window of another program named after the page. It takes
# a file (%f), which xdg-open gives as a path; for a URL (%u) xdg-utils 1.2 gives the page's URL
# as it came, where 1.1 gave the path.
desktop="$WORK/desktop"
mkdir -p "$desktop/config" "$desktop/data/applications"
ln -s /usr/share/mime "$desktop/data/mime"
printf '[Desktop Entry]\nType=Application\nName=Browser\nExec=%s window %%f\nMimeType=text/html;\n' \
    "$PROBE" >"$desktop/data/applications/browser.desktop"
printf '[Default Applications]\ntext/html=browser.desktop\n' >"$desktop/config/mimeapps.list"
BROWSER_ENV=(XDG_CONFIG_HOME="$desktop/config" XDG_DATA_HOME="$desktop/data"
    XDG_CONFIG_DIRS="$desktop/config" XDG_DATA_DIRS="$desktop/data" WINDOW_PID_FILE="$BROWSERS")
page="$(cd "$(dirname "$TOY")/../share/tumbletot" && pwd)/about.html"

held_elsewhere=false
! rig_hold_keyboard || held_elsewhere=true
rig_toy
# Each rig waits for the toy in front itself: GNOME first asks whether it may hold the keys.
rig_identity
note "$RIG: the desktop knows the toy by its entry, $APP_ID"
if $held_elsewhere; then
    rig_let_keyboard_go
    note "$RIG: another program held the keyboard as the toy started; the toy took it once that let go"
fi

for moment in "the title screen" play "after the preferences" "after a browser"; do
    in_front=Untitled
    case "$moment" in
    # Its first key starts play.
    "the title screen") in_front="Tumbletot|Untitled" ;;
    play) rig_keys space ;;
    *)
        rig_keys ctrl+shift+p
        wait_front "Tumbletot Preferences"
        if [ "$moment" = "after the preferences" ]; then
            wait_until 100 rig_dialog || fail "$RIG: the preferences are not a dialog over the toy"
        else
            # A desktop may still be placing the window when it first has the keyboard.
            page_open() { [ -n "$(rig_rect "$page")" ]; }
            for _ in 1 2 3; do
                read -r x y w h <<<"$(rig_rect "Tumbletot Preferences")"
                read -r cx cy <<<"$(preference_at website "$h")"
                rig_click $((x + cx)) $((y + cy))
                wait_until 100 page_open && break
            done
            page_open || fail "$RIG: the page did not open in a browser"
            # The parent reads it, and goes back to the preferences.
            for window in "$page" "Tumbletot Preferences"; do rig_activate "$window"; wait_front "$window"; done
        fi
        rig_keys Return
        ;;
    esac
    wait_front "${in_front%%|*}"
    wait_until 200 rig_covered || fail "$RIG, $moment: the toy does not cover the screens"
    for chord in "${TRACE_CHORDS[@]}"; do rig_keys "$chord"; held "$chord"; done
    note "$RIG, $moment: ${#TRACE_CHORDS[@]} chords held"
done

moment=play
if rig_wheel; then held alt+wheel; fi
if [ "${sign[other-output]}" != - ]; then
    # A click on another screen plays on the first, where play is. The pointer goes back there
    # before each look, without a click: a headless compositor may not repaint an output without it.
    read -r play_x other_x <<<"$(rig_screens)"
    rig_point $((play_x + 20)) 20
    for _ in $(seq 10); do
        before=$(rig_shot before-click)
        rig_click $((other_x + RANDOM % 100)) $((height / 2))
        rig_point $((play_x + 20)) 20
        drawn() { [ "$(differ "$before" "$(rig_shot after-click)")" -gt 100 ]; }
        wait_until $((20 * SLOWER)) drawn && break
    done
    [ "$(differ "$before" "$WORK/after-click.png")" -gt 100 ] || fail "$RIG: clicks on another screen drew nothing"
    held other-output
fi
if rig_let_go; then rig_keys super; held let-go; fi
# The desktop hands the keyboard to another window while a key is down, and back after it was
# let go there: the parent's chords still work.
rig_with_alt_held rig_activate other
rig_activate Untitled
wait_front Untitled
rig_keys ctrl+shift+p
wait_until 200 front_is "Tumbletot Preferences" ||
    fail "$RIG: after the desktop took the focus away while Alt was down, Ctrl+Shift+P did nothing"
rig_keys Return
wait_front Untitled
note "$RIG, play: Alt+wheel, another screen, the desktop letting go, the focus taken away: held"
quit_with_chord
# The browser goes too. What it and its launcher still write goes to the first toy's file, not
# into the second toy's.
kill $(cat "$BROWSERS") 2>/dev/null && rm "$BROWSERS" || true
mv "$WORK/toy.err" "$WORK/toy-first.err"

rig_toy
wait_front Tumbletot
rig_keys space a s d
rig_lose_display
wait_exit 10
[ "$exited" = 1 ] || fail "$RIG: the toy gave \"$exited\" when the display went away"
grep -qx "tumbletot: lost the display" "$WORK/toy.err" &&
    ! grep -qE "Sanitizer|runtime error|Segmentation|Aborted" "$WORK/toy.err" ||
    fail "$RIG: the display gone, the toy said: $(cat "$WORK/toy.err")"
echo "PASS: $RIG keeps the child in, lets the parent out, and ends when the display goes"
