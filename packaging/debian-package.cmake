# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it makes a package (CPACK_PROJECT_CONFIG_FILE). For the Debian package it
# stops, with the reason, when something the package needs is missing, rather than write a
# package that is wrong; then it writes the changelog, which names the maintainer.

if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

if(NOT CPACK_DEBIAN_PACKAGE_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
    message(FATAL_ERROR "The Debian package needs a maintainer as \"Name <address>\", "
        "not \"${CPACK_DEBIAN_PACKAGE_MAINTAINER}\". Configure with "
        "-DVORN_MAINTAINER=\"Your Name <you@example.org>\", or set DEBFULLNAME and DEBEMAIL "
        "before configuring.")
endif()

# Without dpkg-shlibdeps, CPack would write a package with no dependencies at all, one that
# installs and then cannot start.
find_program(VORN_SHLIBDEPS dpkg-shlibdeps)
if(NOT CPACK_DEBIAN_PACKAGE_SHLIBDEPS OR NOT VORN_SHLIBDEPS)
    message(FATAL_ERROR "Cannot work out the Debian package's dependencies: dpkg-shlibdeps "
        "is not on the PATH. Install the Debian package dpkg-dev and run cpack again.")
endif()

# Every time stamp in the package is the last commit's, unless the caller gives another.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND CPACK_VORN_SOURCE_DATE_EPOCH)
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_VORN_SOURCE_DATE_EPOCH}")
endif()

# The changelog goes into the package compressed, with no name or time in the gzip header.
set(VORN_MAINTAINER "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
configure_file("${CPACK_VORN_CHANGELOG}" "${CPACK_VORN_DEBIAN_DIR}/changelog" @ONLY)
execute_process(COMMAND "${CPACK_VORN_GZIP}" -9nf changelog
    WORKING_DIRECTORY "${CPACK_VORN_DEBIAN_DIR}" COMMAND_ERROR_IS_FATAL ANY)
