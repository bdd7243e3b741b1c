#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vorn for 64-bit Windows on a Debian 12 or 13 machine, runs its tests under wine and writes
# dist/vorn-<version>-windows-x64.zip and dist/vorn-<version>-setup.exe.
#
#   sh tools/windows.sh
#
# Installs what is missing with apt-get (through sudo when not root), builds a static Qt for
# Windows once into ${XDG_CACHE_HOME:-~/.cache}/vorn/ (20 to 40 minutes on two cores; later runs
# reuse it), then configures, builds and tests the windows preset in build/windows.
set -eu

cd "$(dirname "$0")/.."
started=$(date +%s)
elapsed() { echo "$(($(date +%s) - $1)) s"; }

# Compilers, Qt's host tools (moc, rcc, uic), wine, NSIS, and what the build and tests use.
sh tools/install-packages.sh windows

step=$(date +%s)
qt=$(sh tools/windows/qt.sh)
qt_time=$(elapsed "$step")

step=$(date +%s)
cmake --preset windows -DVORN_WINDOWS_QT="$qt"
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
WINEPREFIX="$PWD/build/windows/wine" wineserver -k 2>/dev/null || true
kill "$xvfb"
test_time=$(elapsed "$step")
[ "$status" -eq 0 ] || exit "$status"

mkdir -p dist
cp build/windows/packaging/windows/vorn-*-windows-x64.zip build/windows/packaging/windows/vorn-*-setup.exe dist/
echo
echo "Static Qt: $qt ($qt_time)"
echo "Build: $build_time; tests under wine: $test_time; all: $(elapsed "$started")"
ls -l dist/vorn-*-windows-x64.zip dist/vorn-*-setup.exe
