#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "Web site" in the preferences: with no browser set up, a message over the preferences says so;
# with one, the page opens, and after "Play" the toy is back in front of the browser and holds
# the keys again.
source "$(dirname "$0")/lib.sh"
desktop="$WORK/desktop"
mkdir -p "$desktop/config" "$desktop/data/applications"
# The type of a file is still told by the system's database.
ln -s /usr/share/mime "$desktop/data/mime"

open_preferences() {
    xdotool key ctrl+shift+p
    wait_active "Tumbletot Preferences"
    eval "$(xdotool getactivewindow getwindowgeometry --shell)"
    # "Web site" in the design's 584 x 381, below the menu bar.
    xdotool mousemove --window "$WINDOW" 309 $((HEIGHT - 381 + 350)) click 1
}

start_display
# For the toy only the browsers this test sets up, whatever the machine has (the window
# manager keeps the machine's own settings).
export XDG_CONFIG_HOME="$desktop/config" XDG_DATA_HOME="$desktop/data" \
    XDG_CONFIG_DIRS="$desktop/config" XDG_DATA_DIRS="$desktop/data"
start_play
open_preferences
wait_active Tumbletot
shot no-browser >/dev/null
xdotool key Return
wait_active "Tumbletot Preferences"
note "no browser: a message over the preferences says so"

# A browser of sorts: a window that shows the address it was given.
cat >"$desktop/data/applications/test-browser.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Test browser
Exec=xmessage -name test-browser %u
MimeType=text/html;
DESKTOP
printf '[Default Applications]\ntext/html=test-browser.desktop\n' >"$desktop/config/mimeapps.list"
xdotool mousemove --window "$WINDOW" 309 $((HEIGHT - 381 + 350)) click 1
browser_open() { browser=$(xdotool search --classname '^test-browser$' 2>/dev/null | head -n1) && [ -n "$browser" ]; }
wait_until 200 browser_open || fail "the page did not open in the browser"
page=$(pgrep -a xmessage | grep -o '[^ ]*/about\.html' | head -n1 || true)
[ -f "${page#file://}" ] || fail "the browser was not given the about page: $(pgrep -a xmessage)"
xdotool windowactivate --sync "$browser" 2>/dev/null || true
note "with a browser, the toy's about page opens"
xdotool windowactivate --sync "$WINDOW" 2>/dev/null || true
wait_active "Tumbletot Preferences"
xdotool key Return
wait_active Untitled
xdotool key alt+Tab super
sleep 0.3
[ "$(active_name)" = Untitled ] || fail "after Play the browser took the child out: \"$(active_name)\""
covers_screen || fail "after Play the toy does not cover the screen"
note "after Play the toy is in front of the browser and holds the keys"
quit_toy "at the end"
echo "PASS: \"Web site\" tells of a missing browser, and play comes back over the browser"
