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
. tools/debian-system.sh

sh tools/install-packages.sh chroot
mkdir -p build
root="$PWD/build/chroot-$suite"

clean() {
    # Never remove the tree while anything of the machine is still mounted in it.
    if debian_unmount "$root"; then
        rm -rf "$root"
    else
        echo "debian-chroot: $root is still mounted; not removing it" >&2
    fi
}
clean
trap clean EXIT
trap 'exit 130' INT TERM HUP

started=$(date +%s)
echo "debian-chroot: making a minimal Debian $suite in $root"
debian_make "$root" "$suite"
debian_mount "$root"
mkdir -p "$root/root/vorn"
tar --exclude=./build --exclude=./dist -cf - . | tar -xf - -C "$root/root/vorn"
echo "debian-chroot: made in $(($(date +%s) - started)) s; running $* in Debian $suite"
status=0
debian_run "$root" /root/vorn "$@" || status=$?
echo "debian-chroot: $* in Debian $suite: exit status $status, $(($(date +%s) - started)) s in all"
exit "$status"
