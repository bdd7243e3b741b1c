#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures Vorn for Windows beside the window with the same captioned controls, built with the
# same static Qt, and prints a table: the stripped sizes of both, of the zip and of the
# installer, and, under wine, start-up to the first frame and peak memory on the windows platform,
# in an X display of its own.
#   sh bench/windows.sh [runs]     (20 starts of each program by default)
# It runs in the Windows build system, with the static Qt that sh tools/windows.sh builds there;
# the driver that starts the probes is the Linux one, from the bench preset.
set -eu
cd "$(dirname "$0")/.."
if [ ! -f /etc/vorn-windows-system ]; then
    exec sh tools/windows.sh sh bench/windows.sh "$@"
fi
runs=${1:-20}

sh tools/install-packages.sh windows-bench
qt=$(sh tools/windows/qt.sh --path)
cmake --preset windows-bench --fresh -DVORN_WINDOWS_QT="$qt" >/dev/null
cmake --build --preset windows-bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target startup_driver
bin=build/windows-bench
driver=build/bench/bench/startup_driver

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT INT TERM

# Sizes in MB of 10^6 bytes, as the programs ship: without their symbols.
mb() { echo "$(wc -c <"$1") / 1000000" | awk '{ printf "%.1f", $1 / $3 }'; }
x86_64-w64-mingw32-strip -o "$results/vorn.exe" "$bin/vorn.exe"
x86_64-w64-mingw32-strip -o "$results/controls.exe" "$bin/startup_controls.exe"
x86_64-w64-mingw32-strip -o "$results/empty.exe" "$bin/startup_floor.exe"
{
    echo "| Size of vorn.exe, stripped: game / same controls | $(mb "$results/vorn.exe") MB / $(mb "$results/controls.exe") MB | under 10 MB |"
    echo "| Size of the empty window, stripped | $(mb "$results/empty.exe") MB | for information |"
    echo "| Size of the zip / the installer | $(mb "$bin"/packaging/windows/vorn-*-windows-x64.zip) MB / $(mb "$bin"/packaging/windows/vorn-*-setup.exe) MB | for information |"
} >"$results/0-sizes"

# Start-up: each probe through the wine runner, in a wine prefix of this build's own.
export VORN_BENCH_LAUNCHER="sh $PWD/tools/windows/wine-run.sh $PWD/$bin/wine"
set -- "game=$bin/startup_vorn.exe" "same controls=$bin/startup_controls.exe" \
    "empty window=$bin/startup_floor.exe"
# On the windows platform, the one the programs link, in an X display of their own.
echo
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=windows \
    VORN_BENCH_PLATFORM="windows platform under wine" "$driver" "$runs" "$@" | tee "$results/1-windows"
WINEPREFIX="$PWD/$bin/wine" wineserver -k 2>/dev/null || true

echo
echo "| Figure | Measured | Target |"
echo "| --- | --- | --- |"
cat "$results"/* | grep -a '^| '
