# SPDX-License-Identifier: GPL-3.0-or-later
# Runs cpack where dpkg-shlibdeps cannot be found and expects it to fail with the reason, and to
# leave no package behind.
#   cmake -DCPACK=<cpack> -DBUILD_DIR=<build> -DOUT_DIR=<folder> -P check-deb-needs-shlibdeps.cmake

file(REMOVE_RECURSE "${OUT_DIR}")
file(MAKE_DIRECTORY "${OUT_DIR}/empty")
set(ENV{PATH} "${OUT_DIR}/empty")
execute_process(
    COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -G DEB -B "${OUT_DIR}"
        -D "CPACK_DEBIAN_PACKAGE_MAINTAINER=Vorn tests <tests@example.org>"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB package "${OUT_DIR}/*.deb")
if(result EQUAL 0 OR package)
    message(FATAL_ERROR "cpack made a package without dpkg-shlibdeps:\n${output}")
endif()
if(NOT output MATCHES "dpkg-shlibdeps")
    message(FATAL_ERROR "cpack failed without naming dpkg-shlibdeps:\n${output}")
endif()
