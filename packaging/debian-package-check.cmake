# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after it has written the packages (CPACK_POST_BUILD_SCRIPTS): a Debian package
# whose dependencies came out empty is removed, and cpack fails.

foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    execute_process(COMMAND dpkg-deb --field "${package}" Depends
        OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR depends STREQUAL "")
        file(REMOVE "${package}")
        message(FATAL_ERROR "${package} came out without dependencies (Depends is empty), "
            "so it was removed. Check that dpkg-shlibdeps works and that the libraries the "
            "game links come from Debian packages.")
    endif()
endforeach()
