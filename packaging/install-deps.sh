#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian/Ubuntu packages that are missing for the given purposes:
#   build - compile the toy;  run - run it;  test - run every test;
#   bench - measure it beside a peer program.
set -euo pipefail

build=(cmake make g++ pkg-config qt6-base-dev qt6-base-private-dev qt6-wayland-dev
       qt6-wayland-dev-tools wayland-protocols libwayland-dev libxcb1-dev libxcb-screensaver0-dev libgl-dev
       libebur128-dev libpipewire-0.3-dev libpulse-dev libespeak-ng-dev qt6-tools-dev qt6-l10n-tools
       gettext po4a)
run=(qt6-qpa-plugins qt6-wayland libebur128-1 libpipewire-0.3-0 libpulse0 libespeak-ng1 espeak-ng-data fonts-comic-neue
     fonts-liberation2 fonts-wqy-microhei xdg-utils)
test=(xvfb openbox i3-wm xdotool x11-utils x11-xserver-utils imagemagick sox pulseaudio pulseaudio-utils
      desktop-file-utils appstream dpkg-dev lintian man-db procps gdb sway wtype grim jq
      dbus-daemon dbus-bin python3-dbusmock python3-dbus python3-gi python3-numpy gir1.2-gtk-3.0 xprintidle passwd socat pipewire pipewire-pulse
      wireplumber gnome-shell mutter xdg-desktop-portal libglib2.0-bin kwin-wayland kwin-style-breeze cage)
bench=(libbenchmark-dev libxcb-damage0-dev libxcb-xtest0-dev qt6-multimedia-dev)

wanted=()
for purpose in "$@"; do
    case "$purpose" in
        build) wanted+=("${build[@]}") ;;
        run) wanted+=("${run[@]}") ;;
        test) wanted+=("${test[@]}") ;;
        bench) wanted+=("${bench[@]}") ;;
        *) echo "unknown purpose: $purpose" >&2; exit 2 ;;
    esac
done

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=()
for package in "${wanted[@]}"; do
    # Debian 13 renamed some libraries with a t64 ending; apt takes the old name for the new.
    installed "$package" || installed "${package}t64" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
