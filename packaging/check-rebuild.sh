#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package once more, from a copy of the sources in another folder, with the
# same build type, flags and time stamp, and checks that it is PACKAGE, byte for byte; on a
# difference it shows what differs. Skipped (77) when the build has no time stamp to give both.
#
#   sh check-rebuild.sh SOURCE_DIR WORK_DIR PACKAGE_DIR BUILD_TYPE CXX_FLAGS MAINTAINER EPOCH
set -eu

source_dir=$1 work=$2 package=$(ls "$3"/*.deb) build_type=$4 cxx_flags=$5 maintainer=$6 epoch=$7
if [ -z "$epoch" ]; then
    echo "skipped: the build has no time stamp (no git and no SOURCE_DATE_EPOCH)"
    exit 77
fi
export SOURCE_DATE_EPOCH="$epoch"

rm -rf "$work"
again="$work/sources"
mkdir -p "$again"
(cd "$source_dir" && tar --exclude=./build --exclude=./dist --exclude=./.git -cf - .) \
    | tar -xf - -C "$again"
cmake -S "$again" -B "$again/build" -G Ninja -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE="$build_type" -DCMAKE_CXX_FLAGS="$cxx_flags" >/dev/null
cmake --build "$again/build" >/dev/null
cpack --config "$again/build/CPackConfig.cmake" -G DEB -B "$work/deb" \
    -D "CPACK_DEBIAN_PACKAGE_MAINTAINER=$maintainer" >/dev/null

second=$(ls "$work"/deb/*.deb)
if cmp -s "$package" "$second"; then
    echo "$(basename "$package") is the same, byte for byte, when built again in another folder"
    exit 0
fi
echo "$(basename "$package") differs when built again in another folder:"
diffoscope --text - "$package" "$second" || true
exit 1
