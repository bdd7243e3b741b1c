#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static Qt for 64-bit Windows (MinGW-w64) from Debian's source package of the installed
# qt6-base, once, into a cache folder outside the clone, and prints that folder's path last.
# A later run with the same Qt version and the same configure options finds it and skips the
# build; an interrupted build goes on where it stopped.
#
#   sh tools/windows/qt.sh          build if needed, then print the folder
#   sh tools/windows/qt.sh --path   print the folder if the build is there, else fail
#
# The build cache is ${XDG_CACHE_HOME:-$HOME/.cache}/vorn/. The source package is fetched with a
# private apt source list and list folder there: the machine's apt configuration is left alone.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
cache="${XDG_CACHE_HOME:-$HOME/.cache}/vorn"
jobs=$(nproc 2>/dev/null || echo 2)

say() { echo "qt: $*" >&2; }

# The Qt version comes from the host tools (moc, rcc, uic), which must match the Windows Qt.
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
qt_version=${source_version%%+*}
qt_version=${qt_version%%-*}

# The key: Qt version, then a hash of the configure options, the compilers they name and the
# changes made to the source.
options_hash=$(cat "$here/qt-configure-options" "$here/mingw-w64.cmake" "$here"/qt-patches/*.patch \
    | grep -v '^#' | sha256sum | cut -c1-12)
key="qt-$qt_version-mingw-w64-static-$options_hash"
prefix="$cache/$key"

if [ -f "$prefix/.complete" ]; then
    [ "${1:-}" = --path ] || say "reusing $prefix"
    echo "$prefix"
    exit 0
elif [ "${1:-}" = --path ]; then
    say "no static Qt in $prefix yet: run sh tools/windows/qt.sh (or sh tools/windows.sh)"
    exit 1
fi

mkdir -p "$cache/downloads"
started=$(date +%s)

# 1. The source package of the installed qt6-base, through a private apt configuration that adds
#    deb-src lines for the mirrors and suites the machine already uses.
tarball="$cache/downloads/qt6-base_${source_version%-*}.orig.tar.xz"
if [ ! -f "$tarball" ]; then
    apt_dir="$cache/apt"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
    list="$apt_dir/sources.list"
    {
        # One-line format: deb [options] URI suite components...
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
            | awk '$1 == "deb" { $1 = "deb-src"; print }'
        # deb822 format: stanzas with Types, URIs, Suites, Components and Signed-By.
        for file in /etc/apt/sources.list.d/*.sources; do
            [ -f "$file" ] || continue
            awk '
                function flush() {
                    if (types ~ /(^| )deb( |$)/ && enabled != "no" && uris != "") {
                        options = (signed ~ /^\//) ? "[signed-by=" signed "] " : ""
                        n = split(uris, u, " "); m = split(suites, s, " ")
                        for (i = 1; i <= n; i++)
                            for (j = 1; j <= m; j++)
                                print "deb-src " options u[i] " " s[j] " " components
                    }
                    types = uris = suites = components = signed = enabled = ""
                }
                /^[ \t]*$/ { flush(); next }
                /^#/ { next }
                /^[A-Za-z-]+:/ {
                    field = tolower($1); sub(/:$/, "", field); $1 = ""; sub(/^ +/, "")
                    if (field == "types") types = $0
                    else if (field == "uris") uris = $0
                    else if (field == "suites") suites = $0
                    else if (field == "components") components = $0
                    else if (field == "signed-by") signed = $0
                    else if (field == "enabled") enabled = tolower($0)
                }
                END { flush() }
            ' "$file"
        done
    } >"$list"
    if ! [ -s "$list" ]; then
        say "found no deb lines in /etc/apt to take the source package from"
        exit 1
    fi
    say "fetching the source of qt6-base $source_version from:"
    sed 's/^/    /' "$list" >&2
    set -- -o "Dir::Etc::SourceList=$list" -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d" \
        -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" \
        -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=" -o "Debug::NoLocking=1"
    # Downloading as root into a folder the sandbox user cannot write would only warn.
    [ "$(id -u)" -ne 0 ] || set -- "$@" -o "APT::Sandbox::User=root"
    apt-get "$@" -q update >&2
    rm -rf "$apt_dir/fetch" && mkdir -p "$apt_dir/fetch"
    (cd "$apt_dir/fetch" && apt-get "$@" -q source --download-only "qt6-base=$source_version") >&2
    mv "$apt_dir/fetch/$(basename "$tarball")" "$tarball"
    rm -rf "$apt_dir"
fi

# 2. Unpack, and make the small changes in qt-patches/: each says what it changes and why.
work="$cache/$key.work"
source_dir="$work/qtbase-everywhere-src-$qt_version"
if [ ! -f "$source_dir/.unpacked" ]; then
    say "unpacking $(basename "$tarball")"
    rm -rf "$work" && mkdir -p "$work"
    tar -xJf "$tarball" -C "$work"
    for change in "$here"/qt-patches/*.patch; do
        patch -d "$source_dir" -p1 --forward --batch --quiet <"$change" >&2
    done
    touch "$source_dir/.unpacked"
fi

# 3. Configure, with a copy of the compiler settings kept beside the installed Qt: the installed
#    Qt's own toolchain file loads it from there, so it outlives the clone.
build_dir="$work/build"
mkdir -p "$build_dir" "$prefix"
cp "$here/mingw-w64.cmake" "$prefix/mingw-w64.cmake"
if [ ! -f "$build_dir/build.ninja" ]; then
    host_info=$(ls /usr/lib/*/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake | head -n 1)
    host_cmake_dir=$(dirname "$(dirname "$host_info")")
    say "configuring Qt $qt_version for x86_64-w64-mingw32 (log: $build_dir/configure.log)"
    # Lines for another Qt version ("6.4: ...") are left out, and the version is taken off this
    # one's; the lines after "--" are CMake's.
    options=$(awk -v version="${qt_version%.*}" '
        /^#/ { next }
        /^[0-9]+\.[0-9]+: / {
            if (index($0, version ": ") == 1)
                print substr($0, length(version) + 3)
            next
        }
        { print }' "$here/qt-configure-options")
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
say "building with $jobs jobs; this takes 20 to 40 minutes on two cores (log: $build_dir/build.log)"
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

# 5. Install, with the licence texts of Qt and of the third-party code it bundles.
ninja -C "$build_dir" install >"$build_dir/install.log" 2>&1
rm -rf "$prefix/licenses"
mkdir -p "$prefix/licenses"
cp -r "$source_dir/LICENSES" "$prefix/licenses/qt"
(cd "$source_dir" && find src util/gradientgen -name qt_attribution.json -o -type f \
    \( -iname '*LICENSE*' -o -iname '*LICENCE*' -o -iname 'COPYING*' -o -name 'FTL.TXT' \
    -o -name 'GPLv2.TXT' \) \
    | xargs cp --parents -t "$prefix/licenses/")
touch "$prefix/.complete"
rm -rf "$work"
say "built and installed in $((($(date +%s) - started) / 60)) min"
echo "$prefix"
