#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the README's test command as a new user would: on a minimal Debian made with
# debootstrap, with nothing but the archive to install from: a program the installer leaves out
# fails the test that calls it. RELEASE is bookworm (Debian 12, the default) or trixie (13).
# Needs root and about 4 GB; takes half an hour or more.
#   sudo tests/fresh-machine.sh [RELEASE [FOLDER]]
set -euo pipefail
source_tree=$(cd "$(dirname "$0")/.." && pwd)
release=${1:-bookworm}
case $release in bookworm | trixie) ;; *) echo "unknown release: $release (bookworm or trixie)" >&2; exit 2 ;; esac
root=${2:-/var/tmp/tumbletot-fresh-$release}

command -v debootstrap >/dev/null || apt-get install -y -qq --no-install-recommends debootstrap
mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
bind() { mkdir -p "$root$1"; mount --bind "$1" "$root$1"; mounted+=("$root$1"); }

mkdir -p "$root"
# The new system's root, which every user of it must pass.
chmod 755 "$root"
[ -x "$root/usr/bin/apt-get" ] ||
    debootstrap --variant=minbase "$release" "$root" "${MIRROR:-http://deb.debian.org/debian}"
# Its root a mount of its own, as a machine's is, so that a test may give a program a private
# view of it.
mount --bind "$root" "$root"
mounted+=("$root")
mount --make-private "$root"
for folder in /proc /sys /dev /dev/pts; do bind "$folder"; done
mount -t tmpfs tmpfs "$root/dev/shm"
mounted+=("$root/dev/shm")
cp /etc/resolv.conf "$root/etc/resolv.conf"
# A clone of what is committed, in root's home (mode 0700), as a new user would have it.
rm -rf "$root/root/tumbletot"
git clone -q --no-hardlinks "$source_tree" "$root/root/tumbletot"
chmod 0700 "$root/root"

chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin CI=true \
    bash -c 'cd /root/tumbletot && exec ./test.sh'
