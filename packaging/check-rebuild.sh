#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package once more, from a copy of the sources in another folder, with the
# same build type, flags and time stamp, in a build folder where the first one is in its
# sources, and checks that it is the package in PACKAGE_DIR, byte for byte; on a difference it
# shows what differs. Skipped (77) when the build has no time stamp to give both.
#
#   sh check-rebuild.sh SOURCE_DIR BUILD_DIR WORK_DIR PACKAGE_DIR BUILD_TYPE CXX_FLAGS MAINTAINER
#                       EPOCH
set -eu

source_dir=$1 build_dir=$2 work=$3 package=$(ls "$4"/*.deb) build_type=$5 cxx_flags=$6
maintainer=$7 epoch=$8
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
# The build folder's place among the sources shows in the program's debug information.
case "$build_dir" in
"$source_dir"/*) again_build="$again/${build_dir#"$source_dir"/}" ;;
*) again_build="$again/build" ;;
esac
cmake -S "$again" -B "$again_build" -G Ninja -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE="$build_type" -DCMAKE_CXX_FLAGS="$cxx_flags" >/dev/null
cmake --build "$again_build" >/dev/null
cpack --config "$again_build/CPackConfig.cmake" -G DEB -B "$work/deb" \
    -D "CPACK_DEBIAN_PACKAGE_MAINTAINER=$maintainer" >/dev/null

second=$(ls "$work"/deb/*.deb)
if cmp -s "$package" "$second"; then
    echo "$(basename "$package") is the same, byte for byte, when built again in another folder"
    exit 0
fi
echo "$(basename "$package") differs when built again in another folder:"
diffoscope --text - "$package" "$second" || true
exit 1
