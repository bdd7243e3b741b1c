#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian or Ubuntu machine for Vorn, builds it, then starts the game or runs every test.
#   sh tools/setup.sh run    install what is missing, build, start the game
#   sh tools/setup.sh test   install what is missing, build, run the whole test suite headless,
#                            then again under the sanitizers
#   sh tools/setup.sh test ci    the same for the named test presets only (ci, asan)
set -eu

mode=${1:-run}
[ "$#" -eq 0 ] || shift
cd "$(dirname "$0")/.."

usage() {
    echo "usage: sh tools/setup.sh run | test [ci] [asan]" >&2
    exit 2
}

# What building and running needs; the tests also validate the desktop files and the manual
# page, and build the Debian package and check it with lintian (tools/packages.txt).
case "$mode" in
run)
    [ "$#" -eq 0 ] || usage
    builds="release"
    ;;
test)
    builds=${*:-ci asan}
    for build in $builds; do
        case "$build" in ci | asan) ;; *) usage ;; esac
    done
    ;;
*) usage ;;
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
    # The whole suite, then (asan) the same again under AddressSanitizer and
    # UndefinedBehaviorSanitizer.
    for preset in $builds; do
        cmake --preset "$preset"
        cmake --build --preset "$preset"
        ctest --preset "$preset"
    done
    ;;
esac
