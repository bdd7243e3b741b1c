#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under wine in a given wine prefix; the Windows build's emulator.
#
#   sh tools/windows/wine-run.sh WINEPREFIX PROGRAM [ARGUMENTS...]
#
# Creates the prefix the first time. Leaves a wine server running for a minute after the last
# program, so that the next one starts at once instead of waiting for wine's helper processes.
# Wine hands Windows programs only WINEQT_* variables, as QT_*: every QT_* variable is passed on
# that way, and Qt logs to stderr, where ctest reads it, instead of to the debugger.
# A program that is to run on the windows platform without a display is skipped (exit 77).
# A new prefix reports the Windows version VORN_WINE_WINDOWS names (such as win11; wine's own
# by default), and with VORN_WINE_DARK=1 its user has chosen the dark mode for apps.
set -eu

export WINEPREFIX="$1"
shift
export WINEDEBUG="${WINEDEBUG:--all}"
# No offer to install Mono or Gecko into the new prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ "${QT_QPA_PLATFORM:-}" = windows ] && [ -z "${DISPLAY:-}" ]; then
    echo "skipped: the windows platform needs a display (run under xvfb-run)"
    exit 77
fi

# A wine server keeps the display it started with: end one that started with another, or with
# an X server that has gone since (told by the process number in its lock file).
display="${DISPLAY:-}"
number=${display#*:}
number=${number%%.*}
[ -z "$display" ] || display="$display $(cat "/tmp/.X$number-lock" 2>/dev/null | tr -d ' ')"
display_file="$WINEPREFIX.display"
if [ -f "$display_file" ] && [ "$(cat "$display_file")" != "$display" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    flock "$WINEPREFIX.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || {
        wineboot -i
        if [ -n "${VORN_WINE_WINDOWS:-}" ]; then
            wine reg add "HKCU\\Software\\Wine" /v Version /d "$VORN_WINE_WINDOWS" /f
        fi
        if [ "${VORN_WINE_DARK:-}" = 1 ]; then
            wine reg add "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize" \
                /v AppsUseLightTheme /t REG_DWORD /d 0 /f
        fi
        wineserver -w
    } >/dev/null 2>&1'
fi
printf '%s\n' "$display" >"$display_file"
# The server and the helper processes that wine starts with it (services, devices, the desktop)
# must not hold the caller's output open: ctest waits for that to close. wineserver exits 2 when
# a server runs already.
if wineserver -p60 </dev/null >/dev/null 2>&1; then
    wineboot </dev/null >/dev/null 2>&1 || true
fi

for variable in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$variable=\"\${$variable}\""
done
export WINEQT_FORCE_STDERR_LOGGING=1

exec wine "$@"
