#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a display server of its own, started for it and stopped after it: Xvfb for
# X11, or the Wayland compositor sway, headless with its software renderer.
#
#   sh tools/display.sh xcb COMMAND...
#   sh tools/display.sh wayland [-s SCALE]... [-n PROGRAM]... COMMAND...
#
# Each screen or output is 1280 x 1024 pixels as programs lay out their windows. Each -s adds a
# sway output of that scale, side by side, HEADLESS-1 first (one at scale 1 without any); a new
# window opens on HEADLESS-1 at its top-left corner, without borders. -n names a program the
# command needs besides. The command finds the server through DISPLAY, or WAYLAND_DISPLAY and
# SWAYSOCK, with XDG_SESSION_TYPE set as a desktop session sets it. sway refuses to run as
# root: under root it runs as the user nobody, in a runtime folder of its own. Exits with the
# command's status, or 77, with a line that says why, when a program it needs is missing.
set -eu

usage() {
    echo "usage: sh tools/display.sh xcb | wayland [-s SCALE]... [-n PROGRAM]... COMMAND..." >&2
    exit 2
}
[ "$#" -gt 0 ] || usage
platform=$1
shift
scales=""
needs=""
while [ "$#" -gt 0 ]; do
    case "$1" in
    -s) scales="$scales $2" ;;
    -n) needs="$needs $2" ;;
    *) break ;;
    esac
    [ "$#" -ge 2 ] || usage
    shift 2
done
[ "$#" -gt 0 ] || usage
case "$platform" in
xcb) needs="Xvfb $needs" ;;
wayland) needs="sway swaymsg $needs" ;;
*) usage ;;
esac
for program in $needs; do
    if ! command -v "$program" >/dev/null 2>&1; then
        echo "skipped: $program is not installed (sh tools/install-packages.sh dev installs it)"
        exit 77
    fi
done

# The server's files go to /tmp, which the user nobody can reach, whatever TMPDIR says.
dir=$(mktemp -d /tmp/vorn-display.XXXXXX)
chmod 755 "$dir"
server=""
# shellcheck disable=SC2317
stop() {
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    [ -z "$server" ] || wait "$server" 2>/dev/null || true
    rm -rf "$dir"
}
trap stop EXIT
trap 'exit 130' INT TERM HUP

# Prints the server's log and fails, when the server has gone or never came up.
failed() {
    echo "display.sh: $1" >&2
    cat "$dir/log" >&2 2>/dev/null || true
    exit 1
}

# Waits until "$@" succeeds, for at most 10 seconds, as long as the server runs.
await() {
    tries=0
    until "$@"; do
        kill -0 "$server" 2>/dev/null || failed "the display server stopped"
        tries=$((tries + 1))
        [ "$tries" -le 200 ] || failed "the display server did not come up"
        sleep 0.05
    done
}

# Whatever display or desktop the caller is in is not the command's.
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET SWAYSOCK XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP \
    DESKTOP_SESSION QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR \
    QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING

start_xvfb() {
    # Xvfb writes the number of the display it took once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/number" >"$dir/log" 2>&1 &
    server=$!
    await grep -q . "$dir/number"
    DISPLAY=:$(cat "$dir/number")
    XDG_SESSION_TYPE=x11
    export DISPLAY XDG_SESSION_TYPE
}

# The outputs side by side, each 1280 x 1024 in the pixels that windows are laid out in: its
# scale times as many device pixels.
write_sway_config() {
    number=0
    left=0
    for scale in $scales; do
        number=$((number + 1))
        size=$(awk -v s="$scale" 'BEGIN { printf "%dx%d", 1280 * s + 0.5, 1024 * s + 0.5 }')
        echo "output HEADLESS-$number resolution $size position $left 0 scale $scale"
        left=$((left + 1280))
    done
    cat <<EOF
focus output HEADLESS-1
xwayland disable
default_border none
default_floating_border none
for_window [app_id=".*"] floating enable, move position 0 0
EOF
}

start_sway() {
    [ -n "$scales" ] || scales=1
    outputs=0
    for scale in $scales; do outputs=$((outputs + 1)); done
    runtime="$dir/sway"
    mkdir -m 700 "$runtime"
    write_sway_config >"$runtime/config"
    chmod 644 "$runtime/config"
    as_user=""
    if [ "$(id -u)" -eq 0 ]; then
        chown nobody "$runtime"
        as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups"
    fi
    # shellcheck disable=SC2086
    env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" WLR_BACKENDS=headless \
        WLR_HEADLESS_OUTPUTS="$outputs" WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        $as_user sway -c "$runtime/config" >"$dir/log" 2>&1 &
    server=$!
    await sh -c "ls '$runtime'/sway-ipc.*.sock >/dev/null 2>&1"
    for SWAYSOCK in "$runtime"/sway-ipc.*.sock; do :; done
    export SWAYSOCK
    # Its outputs are made, and its configuration read, once it answers.
    await sh -c "[ \"\$(swaymsg -t get_outputs | grep -c '\"name\": \"HEADLESS-')\" -eq $outputs ]"
    for WAYLAND_DISPLAY in "$runtime"/wayland-?; do :; done
    # The clients' own runtime folder: a program of another user refuses the compositor's.
    mkdir -m 700 "$dir/client"
    XDG_RUNTIME_DIR="$dir/client"
    XDG_SESSION_TYPE=wayland
    export WAYLAND_DISPLAY XDG_RUNTIME_DIR XDG_SESSION_TYPE
}

if [ "$platform" = xcb ]; then
    start_xvfb
else
    start_sway
fi
status=0
"$@" || status=$?
exit "$status"
