#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The .deb holds a toy that installs like any desktop program and runs from where it lands.
source "$(dirname "$0")/lib.sh"

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK" >"$WORK/cpack.log" 2>&1 || { cat "$WORK/cpack.log"; fail "cpack"; }
deb=$(ls "$WORK"/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
[ "$(dpkg-deb -f "$deb" Recommends)" = cage ] || fail "the package does not recommend cage for its session"
for needed in libpipewire-0.3-0 libpulse0 qt6-qpa-plugins fonts-comic-neue; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done
dpkg -x "$deb" "$WORK/root"
root="$WORK/root/usr"
entry=share/applications/io.github.tumbletot.Tumbletot.desktop session=share/wayland-sessions/tumbletot-child-lock.desktop
metainfo=share/metainfo/io.github.tumbletot.Tumbletot.metainfo.xml
for file in games/tumbletot{,-child-lock} share/man/{,de/,zh_CN/}man6/tumbletot.6.gz "$entry" "$session" "$metainfo" \
    share/doc/tumbletot/{copyright,changelog.gz} share/icons/hicolor/scalable/apps/io.github.tumbletot.Tumbletot.svg \
    share/tumbletot/{about.html,about_de.html,sounds/allegro.wav,pictures/tumbletotlogo.png} \
    share/tumbletot/translations/tumbletot_zh_CN.qm share/icons/hicolor/48x48/apps/io.github.tumbletot.Tumbletot.png; do
    [ -e "$root/$file" ] || fail "the package lacks $file"
done
said=$(desktop-file-validate "$root/$entry" "$root/$session" 2>&1) || fail "a desktop entry is not valid: $said"
said=$(appstreamcli validate --no-net "$root/$metainfo" 2>&1) || fail "the AppStream data is not valid: $said"
grep -q '^Comment\[de\]=' "$root/$entry" && grep -q '^Name\[zh_CN\]=' "$root/$session" &&
    grep -q '<summary xml:lang="ru">' "$root/$metainfo" ||
    fail "the desktop entries or the AppStream data came without their translations"
MANPATH="$root/share/man" man -L de 6 tumbletot 2>/dev/null | grep -q BESCHREIBUNG ||
    fail "man -L de 6 tumbletot does not show the German manual page"
lintian --fail-on error,warning "$deb" >"$WORK/lintian.log" 2>&1 ||
    { cat "$WORK/lintian.log"; fail "lintian found faults in the package"; }
echo "  $(basename "$deb"): files in place, desktop entries and AppStream data valid and translated, German manual page shown, lintian clean"
bash "$(dirname "$0")/play.sh" "$root/games/tumbletot"
