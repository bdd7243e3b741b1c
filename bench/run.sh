#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in the bench preset, runs them all and prints a table of the figures.
#   sh bench/run.sh
# Start-up is measured on the offscreen platform, at a device pixel ratio of 1 and of 2, and on
# X11 and Wayland display servers of its own (Xvfb, sway) when they are installed.
set -eu
cd "$(dirname "$0")/.."

cmake --preset bench >/dev/null
cmake --build --preset bench
bin=build/bench/bench
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT INT TERM

export QT_QPA_PLATFORM=offscreen
echo
"$bin/startup_driver" 40 | tee "$results/1-startup"
echo
QT_SCALE_FACTOR=2 "$bin/startup_driver" 40 | tee "$results/1-startup-ratio2"
for platform in xcb wayland; do
    echo
    status=0
    QT_QPA_PLATFORM=$platform sh tools/display.sh $platform "$bin/startup_driver" 40 \
        >"$results/run" || status=$?
    if [ "$status" -eq 77 ]; then
        cat "$results/run"
        continue
    fi
    [ "$status" -eq 0 ] || exit "$status"
    tee "$results/2-startup-$platform" <"$results/run"
done
rm "$results/run"
echo
"$bin/bench_handlers" | tee "$results/3-handlers"
echo
"$bin/bench_games" | tee "$results/4-games"

echo
echo "| Figure | Measured | Target |"
echo "| --- | --- | --- |"
cat "$results"/* | grep '^| '
