#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under wine, once for the current user and once for all users: installs silently,
# puts vorn.exe, its uninstaller, a Start-menu shortcut and an installed-programs entry (name,
# version, publisher, icon) in place; the installed vorn.exe opens its window; the uninstaller
# removes every file, the shortcut and the entry again.
#
#   sh check-installer.sh WINE_RUN WINEPREFIX SETUP VERSION PUBLISHER
#
# WINE_RUN is tools/windows/wine-run.sh. The window needs an X display: without DISPLAY the
# check is skipped (exit 77).
set -eu

wine_run=$1
prefix=$2
setup=$3
version=$4
publisher=$5

if [ -z "${DISPLAY:-}" ]; then
    echo "skipped: starting the installed game needs a display (run under xvfb-run)"
    exit 77
fi

run() { sh "$wine_run" "$prefix" "$@"; }
fail() {
    echo "FAIL: $*"
    exit 1
}

key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorn'
# One value of the installed-programs entry, or nothing when it is not there.
entry() { run reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"; }
# What is in the wine prefix's C: drive, except the temporary folders and the user's programs
# folder, which Windows keeps once it is there.
drive_c() {
    (cd "$prefix/drive_c" && find . ! -path '*/Temp/*' ! -path '*/temp/*' \
        ! -path './users/*/AppData/Local/Programs' | sort)
}

# Wait up to a minute for a condition that a program running on its own brings about.
wait_for() {
    tries=0
    until eval "$1"; do
        tries=$((tries + 1))
        [ "$tries" -lt 120 ] || return 1
        sleep 0.5
    done
}

run wineboot -u >/dev/null 2>&1 || true # make sure the prefix exists before the first snapshot
before=$(drive_c)

for mode in CurrentUser AllUsers; do
    case "$mode" in
    CurrentUser) root=HKCU shortcut_dir='AppData/Roaming/Microsoft/Windows/Start Menu/Programs' ;;
    AllUsers) root=HKLM shortcut_dir='ProgramData/Microsoft/Windows/Start Menu/Programs' ;;
    esac
    echo "== installing for $mode"
    run "$setup" /S "/$mode" || fail "the installer exited with $?"

    [ "$(entry "$root" DisplayName)" = Vorn ] || fail "no installed-programs entry in $root"
    [ "$(entry "$root" DisplayVersion)" = "$version" ] || fail "DisplayVersion is not $version"
    [ "$(entry "$root" Publisher)" = "$publisher" ] || fail "Publisher is not $publisher"
    run uninstaller --list 2>&1 | grep -q 'Vorn' || fail "the installed-programs list has no Vorn"

    folder=$(entry "$root" InstallLocation)
    case "$mode:$folder" in
    CurrentUser:*'\AppData\Local\Programs\Vorn' | AllUsers:*'\Program Files\Vorn') ;;
    *) fail "installed for $mode into $folder" ;;
    esac
    [ "$(entry "$root" DisplayIcon)" = "\"$folder\\vorn.exe\",0" ] || fail "DisplayIcon is not vorn.exe"
    unix_folder=$(run winepath -u "$folder" | tr -d '\r')
    for file in vorn.exe Uninstall.exe LICENSE.txt README.txt licenses/qt.txt; do
        [ -f "$unix_folder/$file" ] || fail "$file was not installed"
    done
    shortcuts=$(cd "$prefix/drive_c" && find . -name 'Vorn.lnk')
    case "$shortcuts" in
    *"/$shortcut_dir/Vorn.lnk") ;;
    *) fail "the Start-menu shortcut is at '$shortcuts'" ;;
    esac

    echo "== starting the installed vorn.exe"
    run "$unix_folder/vorn.exe" &
    game=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vorn$' | head -n 1) \
        || fail "the installed vorn.exe showed no window named Vorn"
    echo "window $window: $(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')"
    run taskkill /im vorn.exe >/dev/null 2>&1 || true
    wait "$game" || true

    echo "== uninstalling"
    # The uninstaller copies itself to the temporary folder and goes on from there.
    run "$unix_folder/Uninstall.exe" /S || fail "the uninstaller exited with $?"
    wait_for '[ ! -e "$unix_folder" ] && [ -z "$(entry "$root" DisplayName)" ]' \
        || fail "the uninstaller left $(ls -A "$unix_folder" 2>/dev/null) or the entry in $root"
    # Only what is there now and was not before counts: wine itself may tidy away files of its own.
    left=$(drive_c | grep -vxF "$before" || true)
    [ -z "$left" ] || fail "the uninstaller left: $left"
    if run uninstaller --list | grep -q 'Vorn'; then
        fail "the installed-programs list still has Vorn"
    fi
done
echo "installed, started and uninstalled for the current user and for all users"
