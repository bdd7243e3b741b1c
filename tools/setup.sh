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
# page, and build the Debian package and check it with lintian.
packages="cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-dejavu-core"
case "$mode" in
run) ;;
test) packages="$packages desktop-file-utils appstream groff-base dpkg-dev lintian clang-format clang-tidy" ;;
*)
    echo "usage: sh tools/setup.sh run|test" >&2
    exit 2
    ;;
esac

# shellcheck disable=SC2086
sh tools/install-packages.sh $packages

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
