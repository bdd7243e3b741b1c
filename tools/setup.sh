#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian or Ubuntu machine for Vorn, builds it, then starts the game or runs every test.
#   sh tools/setup.sh run    install what is missing, build, start the game
#   sh tools/setup.sh test   install what is missing, build, run the whole test suite headless,
#                            then again under the sanitizers
set -eu

mode=${1:-run}
cd "$(dirname "$0")/.."

# What building and running needs; the tests also validate the desktop files and the manual
# page, and build the Debian package and check it with lintian (tools/packages.txt).
case "$mode" in
run) builds="release" ;;
test) builds="ci asan" ;;
*)
    echo "usage: sh tools/setup.sh run|test" >&2
    exit 2
    ;;
esac

# shellcheck disable=SC2086
sh tools/install-packages.sh $builds

case "$mode" in
run)
    cmake --preset release
    cmake --build --preset release
    exec ./build/release/app/vorn
    ;;
test)
    cmake --preset ci
    cmake --build --preset ci
    ctest --preset ci
    # The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake --preset asan
    cmake --build --preset asan
    ctest --preset asan
    ;;
esac
