#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Unpacks the game from the Debian package in PACKAGE_DIR and checks with hardening-check that it
# is hardened as Debian builds its own programs. Three of its findings are let pass, each where it
# says nothing about the game's build:
#   - unprotected memcpy, memmove and memset, and only those: their sizes are known only as the
#     program runs, so fortification has nothing to check in them;
#   - no control-flow protection where the C library's own start files carry none: no program
#     linked with them can, however it was compiled;
#   - no branch protection in a program for another processor than AArch64, the only one that has
#     it (newer hardening-check asks for it on every architecture).
#
#   sh check-hardening.sh PACKAGE_DIR WORK_DIR GAME
#       GAME: the game's path in the package, such as usr/games/vorn
set -eu

rm -rf "$2"
dpkg-deb -x "$(ls "$1"/*.deb)" "$2"
report=$(hardening-check --verbose "$2/$3") || true
echo "$report"

status=0
printf '%s\n' "$report" | grep ': no' | while IFS= read -r finding; do
    case "$finding" in
    *"Fortify Source functions: no"*)
        if printf '%s\n' "$report" | grep 'unprotected:' | grep -qv 'unprotected: mem\(cpy\|move\|set\)$'; then
            echo "fails: $finding"
            exit 1
        fi
        ;;
    *"Control flow integrity: no"*)
        start=$(${CXX:-c++} -print-file-name=Scrt1.o 2>/dev/null || true)
        if [ ! -f "$start" ] || readelf -n "$start" | grep -q 'IBT'; then
            echo "fails: $finding"
            exit 1
        fi
        echo "passes: the C library's start files ($start) carry no control-flow marking"
        ;;
    *"Branch Protection: no"*)
        if readelf -h "$2/$3" | grep -q 'Machine:.*AArch64'; then
            echo "fails: $finding"
            exit 1
        fi
        echo "passes: branch protection exists only on AArch64"
        ;;
    *)
        echo "fails: $finding"
        exit 1
        ;;
    esac
done || status=1
exit "$status"
