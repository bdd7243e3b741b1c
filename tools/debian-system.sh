# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a minimal Debian system in a folder and runs commands in it. Sourced by
# tools/debian-chroot.sh (a fresh system for the test command) and tools/windows.sh (the
# system that Vorn for Windows is built in); everything here needs root.

debian_mirror=${VORN_DEBIAN_MIRROR:-http://deb.debian.org/debian}

# debian_make ROOT SUITE
# Makes a minimal Debian SUITE in ROOT with debootstrap, with the updates and security archives
# that a fresh installation also has. Fails, and says why, when the system cannot be made.
debian_make() {
    if ! debootstrap --variant=minbase "$2" "$1" "$debian_mirror" >"$1.log" 2>&1; then
        tail -n 20 "$1.log" >&2
        echo "debian-system: debootstrap could not make Debian $2 (log: $1.log)" >&2
        return 1
    fi
    rm -f "$1.log"
    cat >"$1/etc/apt/sources.list" <<EOF
deb $debian_mirror $2 main
deb $debian_mirror $2-updates main
deb $(dirname "$debian_mirror")/debian-security $2-security main
EOF
}

# debian_mount ROOT [FOLDER AT]
# Mounts the kernel's file systems in ROOT, and binds FOLDER at AT inside it when given.
debian_mount() {
    cp /etc/resolv.conf "$1/etc/resolv.conf"
    mount -t proc proc "$1/proc"
    mount -t sysfs sysfs "$1/sys"
    mount --rbind /dev "$1/dev"
    if [ "$#" -eq 3 ]; then
        mkdir -p "$1$3"
        mount --bind "$2" "$1$3"
    fi
}

# debian_unmount ROOT
# Undoes debian_mount; true when nothing of the machine stays mounted in ROOT.
debian_unmount() {
    for point in $(awk -v root="$1/" 'index($2, root) == 1 { print $2 }' /proc/mounts | sort -r); do
        umount -R "$point" 2>/dev/null || umount -l "$point" 2>/dev/null || true
    done
    ! grep -q " $1/" /proc/mounts
}

# debian_run ROOT FOLDER [NAME=VALUE...] COMMAND...
# Runs COMMAND in FOLDER of ROOT, as root, with a clean environment and the variables given.
debian_run() {
    root=$1
    folder=$2
    shift 2
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        TERM="${TERM:-dumb}" sh -c 'cd "$0" && exec env "$@"' "$folder" "$@"
}
