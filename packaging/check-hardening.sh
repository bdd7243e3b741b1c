#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Unpacks the game from the Debian package in PACKAGE_DIR and checks that it is hardened as
# Debian builds its own programs: hardening-check fails on any protection it lacks.
#
#   sh check-hardening.sh PACKAGE_DIR WORK_DIR GAME
#       GAME: the game's path in the package, such as usr/games/vorn
set -eu

rm -rf "$2"
dpkg-deb -x "$(ls "$1"/*.deb)" "$2"
exec hardening-check --color=no "$2/$3"
