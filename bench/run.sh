#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in the bench preset, runs them all and prints a table of the figures.
#   sh bench/run.sh
# Start-up is measured on the offscreen platform, at a device pixel ratio of 1 and of 2, and also
# on X11 when xvfb-run is installed.
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
if command -v xvfb-run >/dev/null 2>&1; then
    echo
    xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
        "$bin/startup_driver" 40 | tee "$results/2-startup-xcb"
fi
echo
"$bin/bench_handlers" | tee "$results/3-handlers"
echo
"$bin/bench_games" | tee "$results/4-games"

echo
echo "| Figure | Measured | Target |"
echo "| --- | --- | --- |"
cat "$results"/* | grep '^| '
