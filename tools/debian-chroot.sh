#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command of this clone on a fresh, minimal Debian: by default the test command
# `sh tools/setup.sh test` on Debian 13 (trixie), as a new user of that release would run it.
#
#   sh tools/debian-chroot.sh [SUITE [COMMAND...]]      e.g. sh tools/debian-chroot.sh bookworm
#
# Needs root (through sudo when not root) and Debian's package archive. Each run makes the
# system anew with debootstrap in build/chroot-SUITE, copies the clone's files into it (not
# build/ or dist/), runs the command there with a clean environment, and removes it again. It
# fails, and says why, when the system cannot be made.
set -eu

cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
    exec sudo sh tools/debian-chroot.sh "$@"
fi
suite=${1:-trixie}
[ "$#" -eq 0 ] || shift
[ "$#" -gt 0 ] || set -- sh tools/setup.sh test
mirror=${VORN_DEBIAN_MIRROR:-http://deb.debian.org/debian}

sh tools/install-packages.sh chroot
mkdir -p build
root="$PWD/build/chroot-$suite"

mounted() { grep -q " $root/" /proc/mounts; }
unmount() {
    for point in dev sys proc; do
        umount -R "$root/$point" 2>/dev/null || true
    done
}
clean() {
    unmount
    # Never remove the tree while the machine's /dev is still bound into it.
    if mounted; then
        echo "debian-chroot: $root is still mounted; not removing it" >&2
    else
        rm -rf "$root"
    fi
}
clean
trap clean EXIT
trap 'exit 130' INT TERM HUP

started=$(date +%s)
echo "debian-chroot: making a minimal Debian $suite in $root"
if ! debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$root.log" 2>&1; then
    tail -n 20 "$root.log" >&2
    echo "debian-chroot: debootstrap could not make Debian $suite (log: $root.log)" >&2
    exit 1
fi
rm -f "$root.log"
# The updates and security archives a fresh installation also has.
security=$(dirname "$mirror")/debian-security
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
deb $security $suite-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --rbind /dev "$root/dev"

mkdir -p "$root/root/vorn"
tar --exclude=./build --exclude=./dist -cf - . | tar -xf - -C "$root/root/vorn"
echo "debian-chroot: made in $(($(date +%s) - started)) s; running $* in Debian $suite"
status=0
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    TERM="${TERM:-dumb}" sh -c 'cd /root/vorn && exec "$@"' sh "$@" || status=$?
echo "debian-chroot: $* in Debian $suite: exit status $status, $(($(date +%s) - started)) s in all"
exit "$status"
