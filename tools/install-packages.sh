#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs those of the named Debian packages that are missing, with apt-get (through sudo when
# not root), after refreshing the package lists; does nothing when all are there.
#   sh tools/install-packages.sh PACKAGE...
set -eu

missing=""
for package in "$@"; do
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
