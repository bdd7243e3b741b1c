#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs those Debian packages of the named builds, as tools/packages.txt lists them, that are
# missing, with apt-get (through sudo when not root) after refreshing the package lists; does
# nothing when all are there.
#   sh tools/install-packages.sh BUILD...
set -eu

list="$(dirname "$0")/packages.txt"

# The packages of build $1, one a line, with those of every build it names.
packages_of() {
    line=$(grep "^$1:" "$list") || {
        echo "install-packages.sh: $list names no build $1" >&2
        exit 2
    }
    for word in ${line#*:}; do
        if grep -q "^$word:" "$list"; then
            packages_of "$word"
        else
            echo "$word"
        fi
    done
}

packages=""
for build in "$@"; do
    packages="$packages $(packages_of "$build")"
done

missing=""
for package in $packages; do
    case " $missing " in *" $package "*) continue ;; esac
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' \
        || missing="$missing $package"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
