#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs those Debian packages of the named builds, as tools/packages.txt lists them, that are
# missing, with apt-get (through sudo when not root) after refreshing the package lists; does
# nothing when all are there. A package listed as NAME=VERSION must be at that version.
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

# A package named as NAME=VERSION is pinned: only that version will do.
missing=""
for package in $packages; do
    case " $missing " in *" $package "*) continue ;; esac
    name=${package%%=*}
    have=$(dpkg-query -W -f='${Status} ${Version}' "$name" 2>/dev/null) || have=""
    case "$have" in
    "install ok installed "*) version=${have#install ok installed } ;;
    *) version="" ;;
    esac
    if [ -z "$version" ] || { [ "$name" != "$package" ] && [ "$version" != "${package#*=}" ]; }; then
        missing="$missing $package"
    fi
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    # shellcheck disable=SC2086
    if ! $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        --allow-downgrades $missing; then
        case "$missing" in
        *=*) echo "install-packages.sh: if a pinned version (NAME=VERSION in $list) is no" \
            "longer in Debian's archive, pin the one it has now" >&2 ;;
        esac
        exit 1
    fi
fi
