# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package with cpack into a fresh folder and runs lintian on it with every tag
# shown, pedantic and experimental ones included; any tag fails the check. The newest changelog
# entry must be the project's version, and the package must recommend Qt's Wayland platform.
#   cmake -DCPACK=<cpack> -DBUILD_DIR=<build> -DOUT_DIR=<folder> -DLINTIAN=<lintian>
#         -DVERSION=<x.y.z> [-DMAINTAINER=<Name <address>>]
#         -P check-deb.cmake

foreach(variable CPACK BUILD_DIR OUT_DIR LINTIAN VERSION)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${OUT_DIR}")
set(maintainer_argument)
if(MAINTAINER)
    set(maintainer_argument -D "CPACK_DEBIAN_PACKAGE_MAINTAINER=${MAINTAINER}")
endif()
execute_process(
    COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -G DEB -B "${OUT_DIR}"
        ${maintainer_argument}
    RESULT_VARIABLE result)
file(GLOB package "${OUT_DIR}/*.deb")
list(LENGTH package count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack failed (${result}) or wrote ${count} packages")
endif()

execute_process(COMMAND dpkg-deb --fsys-tarfile "${package}"
    COMMAND tar -xO ./usr/share/doc/vorn/changelog.gz
    COMMAND gzip -dc
    OUTPUT_VARIABLE changelog RESULT_VARIABLE result)
if(NOT changelog MATCHES "^vorn \\(${VERSION}\\) ")
    message(SEND_ERROR "the changelog's newest entry is not version ${VERSION}")
endif()

# A Wayland session runs the game natively only with Qt's Wayland platform.
execute_process(COMMAND dpkg-deb --field "${package}" Recommends
    OUTPUT_VARIABLE recommends OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT recommends MATCHES "(^|, )qt6-wayland(,|$)")
    message(SEND_ERROR "the package does not recommend qt6-wayland: \"${recommends}\"")
endif()

execute_process(
    COMMAND "${LINTIAN}" -EviIL +pedantic --fail-on error,warning,info,pedantic
        "${package}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian reports the tags above")
endif()
