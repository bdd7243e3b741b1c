#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game for Windows once more, from a copy of this clone's sources in another folder,
# and checks that vorn.exe, the zip and the installer come out as the ones in DIST, byte for
# byte; on a difference it names the file and shows what differs. The static Qt is not rebuilt.
#
#   sh tools/windows/rebuild-check.sh QT DIST
set -eu

qt=$1
dist=$(cd "$2" && pwd)
cd "$(dirname "$0")/../.."

again=$(mktemp -d /tmp/vorn-rebuild-XXXXXX)
trap 'rm -rf "$again"' EXIT
trap 'exit 130' INT TERM HUP
tar --exclude=./build --exclude=./dist --exclude=./.git -cf - . | tar -xf - -C "$again"
(
    cd "$again"
    cmake --preset windows -DVORN_WINDOWS_QT="$qt" -DBUILD_TESTING=OFF >/dev/null
    cmake --build --preset windows >/dev/null
)

status=0
for file in "$dist"/*; do
    name=$(basename "$file")
    case "$name" in
    vorn.exe) second="$again/build/windows/packaging/windows/stage/vorn.exe" ;;
    *) second="$again/build/windows/packaging/windows/$name" ;;
    esac
    if cmp -s "$file" "$second"; then
        echo "rebuild-check: $name is the same, byte for byte"
    else
        echo "rebuild-check: $name differs when built again in another folder:" >&2
        diffoscope --text - "$file" "$second" >&2 || true
        status=1
    fi
done
exit "$status"
