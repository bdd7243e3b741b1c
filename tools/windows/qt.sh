#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static Qt for 64-bit Windows (MinGW-w64) from the source package that qt-source names,
# with Debian's patches and the changes in qt-patches/, once, into a cache folder, and prints that
# folder's path last. A later run with the same source, configure options and changes finds it and
# skips the build; an interrupted build goes on where it stopped. tools/windows.sh runs it in the
# Windows build system, whose compilers and Qt host tools it builds with.
#
#   sh tools/windows/qt.sh          build if needed, then print the folder
#   sh tools/windows/qt.sh --path   print the folder if the build is there, else fail
#
# The cache is ${XDG_CACHE_HOME:-$HOME/.cache}/vorn/.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
cache="${XDG_CACHE_HOME:-$HOME/.cache}/vorn"
jobs=$(nproc 2>/dev/null || echo 2)

say() { echo "qt: $*" >&2; }

source_version=$(awk '$1 == "version" { print $2 }' "$here/qt-source")
# Every time stamp Qt's build writes is the source package's, not the caller's.
SOURCE_DATE_EPOCH=$(date -d "$(sed -n 's/^date //p' "$here/qt-source")" +%s)
export SOURCE_DATE_EPOCH
qt_version=${source_version%%+*}
qt_version=${qt_version%%-*}

# The key: Qt version, then a hash of the source, the configure options, the compilers they name
# and the changes made to the source.
options_hash=$(cat "$here/qt-source" "$here/qt-configure-options" "$here/mingw-w64.cmake" \
    "$here"/qt-patches/*.patch | grep -v '^#' | sha256sum | cut -c1-12)
key="qt-$qt_version-mingw-w64-static-$options_hash"
prefix="$cache/$key"

if [ -f "$prefix/.complete" ]; then
    [ "${1:-}" = --path ] || say "reusing $prefix"
    echo "$prefix"
    exit 0
elif [ "${1:-}" = --path ]; then
    say "no static Qt in $prefix yet: run sh tools/windows.sh"
    exit 1
fi

# Qt's host tools (moc, rcc, uic) come from the build system's Qt, which must be the same release.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null) || host_version=none
case "$host_version" in
"$qt_version"+* | "$qt_version"-*) ;;
*)
    say "Qt's host tools are $host_version, not Qt $qt_version: run sh tools/windows.sh"
    exit 1
    ;;
esac

mkdir -p "$cache/downloads"
started=$(date +%s)

# 1. The source package, each file checked against its pinned SHA-256.
fetch() {
    name=$1 sha256=$2 sha1=$3
    file="$cache/downloads/$name"
    for url in "http://deb.debian.org/debian/pool/main/q/qt6-base/$name" \
        "https://snapshot.debian.org/file/$sha1"; do
        if [ -f "$file" ] && echo "$sha256  $file" | sha256sum -c --quiet - 2>/dev/null; then
            return 0
        fi
        say "fetching $url"
        curl -fsSL --retry 3 -o "$file.part" "$url" && mv "$file.part" "$file" || rm -f "$file.part"
    done
    if [ -f "$file" ] && echo "$sha256  $file" | sha256sum -c --quiet - 2>/dev/null; then
        return 0
    fi
    say "could not fetch $name with SHA-256 $sha256"
    rm -f "$file"
    return 1
}
awk '$1 == "file" { print $2, $3, $4 }' "$here/qt-source" | while read -r name sha256 sha1; do
    fetch "$name" "$sha256" "$sha1"
done

# 2. Unpack, then make Debian's changes, in the order of its series, and ours: each of ours says
#    what it changes and why.
work="$cache/$key.work"
source_dir="$work/qtbase-everywhere-src-$qt_version"
if [ ! -f "$source_dir/.unpacked" ]; then
    say "unpacking qt6-base $source_version"
    rm -rf "$work" && mkdir -p "$work"
    tar -xJf "$cache/downloads/qt6-base_${source_version%-*}.orig.tar.xz" -C "$work"
    tar -xJf "$cache/downloads/qt6-base_$source_version.debian.tar.xz" -C "$source_dir"
    grep -v '^#' "$source_dir/debian/patches/series" | while read -r change; do
        [ -z "$change" ] || patch -d "$source_dir" -p1 --forward --batch --quiet \
            <"$source_dir/debian/patches/$change" >&2
    done
    for change in "$here"/qt-patches/*.patch; do
        patch -d "$source_dir" -p1 --forward --batch --quiet <"$change" >&2
    done
    touch "$source_dir/.unpacked"
fi

# 3. Configure, with a copy of the compiler settings kept beside the installed Qt: the installed
#    Qt's own toolchain file loads it from there.
build_dir="$work/build"
mkdir -p "$build_dir" "$prefix"
cp "$here/mingw-w64.cmake" "$prefix/mingw-w64.cmake"
if [ ! -f "$build_dir/build.ninja" ]; then
    host_info=$(ls /usr/lib/*/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake | head -n 1)
    host_cmake_dir=$(dirname "$(dirname "$host_info")")
    say "configuring Qt $qt_version for x86_64-w64-mingw32 (log: $build_dir/configure.log)"
    # The lines after "--" are CMake's.
    options=$(grep -v '^#' "$here/qt-configure-options")
    configure_options=$(printf '%s\n' "$options" | sed '/^--$/,$d')
    cmake_options=$(printf '%s\n' "$options" | sed '1,/^--$/d')
    # shellcheck disable=SC2086
    if ! (cd "$build_dir" && "$source_dir/configure" -prefix "$prefix" $configure_options \
        -qt-host-path /usr -- -G Ninja $cmake_options \
        -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake") >"$build_dir/configure.log" 2>&1; then
        tail -n 40 "$build_dir/configure.log" >&2
        mv "$build_dir/configure.log" "$work/configure-failed.log"
        rm -rf "$build_dir"
        say "configure failed; the whole log is $work/configure-failed.log"
        exit 1
    fi
fi

# 4. Build, printing progress about once a minute.
say "building with $jobs jobs; this takes 10 to 20 minutes on two cores (log: $build_dir/build.log)"
NINJA_STATUS="[%f/%t] " ninja -C "$build_dir" -j "$jobs" >"$build_dir/build.log" 2>&1 &
ninja_pid=$!
trap 'kill "$ninja_pid" 2>/dev/null || true' INT TERM HUP
while kill -0 "$ninja_pid" 2>/dev/null; do
    sleep 60 &
    wait $! || true
    step=$(grep -o '^\[[0-9]*/[0-9]*\]' "$build_dir/build.log" | tail -n 1 | tr -d '[]')
    if [ -n "$step" ]; then
        done_steps=${step%/*}
        all_steps=${step#*/}
        say "$(printf '%3d%%' $((done_steps * 100 / all_steps))) ($step steps), $((($(date +%s) - started) / 60)) min"
    fi
done
if ! wait "$ninja_pid"; then
    grep -B2 -A20 -m1 'FAILED' "$build_dir/build.log" >&2 || tail -n 40 "$build_dir/build.log" >&2
    say "build failed; the whole log is $build_dir/build.log"
    exit 1
fi
trap - INT TERM HUP

# 5. Install, with the licence texts of Qt and of the third-party code it bundles, and the
#    source package's version for the notices.
ninja -C "$build_dir" install >"$build_dir/install.log" 2>&1
rm -rf "$prefix/licenses"
mkdir -p "$prefix/licenses"
cp -r "$source_dir/LICENSES" "$prefix/licenses/qt"
(cd "$source_dir" && find src util/gradientgen -name qt_attribution.json -o -type f \
    \( -iname '*LICENSE*' -o -iname '*LICENCE*' -o -iname 'COPYING*' -o -name 'FTL.TXT' \
    -o -name 'GPLv2.TXT' \) \
    | xargs cp --parents -t "$prefix/licenses/")
echo "$source_version" >"$prefix/source-version"
touch "$prefix/.complete"
# The build tree, and those that earlier configurations left unfinished, take gigabytes.
rm -rf "$cache"/qt-*.work
say "built and installed in $((($(date +%s) - started) / 60)) min"
echo "$prefix"
