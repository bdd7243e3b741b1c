#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vorn for 64-bit Windows, runs its tests under wine, writes
# dist/vorn-<version>-windows-x64.zip and dist/vorn-<version>-setup.exe, then builds the game once
# more in another folder and checks that it gives the same three files, byte for byte.
#
#   sh tools/windows.sh                 build, test, package and check
#   sh tools/windows.sh COMMAND...      run COMMAND in the build system instead (sh for a shell)
#
# It runs on any Debian 12 or 13 machine (through sudo when not root), but builds in one system
# only: a minimal Debian 13 that it makes with debootstrap and keeps in
# ${XDG_CACHE_HOME:-~/.cache}/vorn/, with the MinGW-w64 compilers, CMake and NSIS at the versions
# that tools/packages.txt pins, Debian 13's Qt host tools, wine and Xvfb. The clone is bound into
# it at /vorn, so its paths are the same on every machine too, and so are the files it writes.
# The static Qt is built in it once (15 to 30 minutes on two cores) and kept.
set -eu

cd "$(dirname "$0")/.."
started=$(date +%s)
elapsed() { echo "$(($(date +%s) - $1)) s"; }

# The system is named after the pinned packages: other compilers make another system.
marker=/etc/vorn-windows-system
system=$(grep '^windows:' tools/packages.txt | tr ' ' '\n' | grep = | sha256sum | cut -c1-12)

if [ "$(cat "$marker" 2>/dev/null)" != "$system" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        exec sudo sh tools/windows.sh "$@"
    fi
    sh tools/install-packages.sh windows-host
    # Every time stamp in the files comes from the last commit.
    epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}
    if [ -z "$epoch" ]; then
        echo "windows: not a git clone and no SOURCE_DATE_EPOCH: the files will carry today's date" >&2
        epoch=$(date +%s)
    fi
    . tools/debian-system.sh
    root="${XDG_CACHE_HOME:-$HOME/.cache}/vorn/windows-trixie-$system"
    trap 'debian_unmount "$root"' EXIT
    trap 'exit 130' INT TERM HUP
    debian_unmount "$root"
    if [ ! -f "$root$marker" ]; then
        # Systems made for other pins are not used again: they go, with their Qt.
        for old in "$(dirname "$root")"/windows-trixie-*; do
            [ -d "$old" ] && debian_unmount "$old" && rm -rf "$old"
        done
        echo "windows: making the build system, a minimal Debian 13, in $root"
        mkdir -p "$(dirname "$root")"
        debian_make "$root" trixie
    fi
    debian_mount "$root" "$PWD" /vorn
    # Installs what is missing: everything the first time, what the list has gained since later.
    debian_run "$root" /vorn sh tools/install-packages.sh windows
    echo "$system" >"$root$marker"
    status=0
    debian_run "$root" /vorn SOURCE_DATE_EPOCH="$epoch" sh tools/windows.sh "$@" || status=$?
    # What the build wrote belongs to whoever cloned, not to root.
    if [ -n "${SUDO_UID:-}" ]; then
        chown -R "$SUDO_UID:${SUDO_GID:-$SUDO_UID}" build dist 2>/dev/null || true
    fi
    exit "$status"
fi

# In the build system, at /vorn.
if [ "$#" -gt 0 ]; then
    exec "$@"
fi

step=$(date +%s)
qt=$(sh tools/windows/qt.sh)
qt_time=$(elapsed "$step")

step=$(date +%s)
# Afresh: the cache would otherwise keep finding the Qt it found first.
cmake --preset windows --fresh -DVORN_WINDOWS_QT="$qt"
cmake --build --preset windows
build_time=$(elapsed "$step")

# The tests under wine, in an X display of their own (Xvfb takes the first free number): the
# window tests run offscreen and then on the windows platform, and the installed game opens its
# window. The wine server keeps the display it started with, so it ends with it.
step=$(date +%s)
display_file=build/windows/xvfb-display
rm -f "$display_file"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
tries=0
until [ -s "$display_file" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb did not start" >&2
        exit 1
    fi
    sleep 0.1
done
status=0
DISPLAY=":$(cat "$display_file")" ctest --preset windows || status=$?
for prefix in build/windows/wine*/; do
    WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null || true
done
kill "$xvfb"
test_time=$(elapsed "$step")
[ "$status" -eq 0 ] || exit "$status"

rm -rf dist
mkdir -p dist
cp build/windows/packaging/windows/vorn-*-windows-x64.zip \
    build/windows/packaging/windows/vorn-*-setup.exe dist/
cp build/windows/packaging/windows/stage/vorn.exe dist/

# The same files again, from a copy of the sources in another folder, built at another time.
step=$(date +%s)
sh tools/windows/rebuild-check.sh "$qt" dist
check_time=$(elapsed "$step")

echo
echo "Static Qt: $qt ($qt_time)"
echo "Build: $build_time; tests under wine: $test_time; second build and check: $check_time;" \
    "all: $(elapsed "$started")"
ls -l dist/
