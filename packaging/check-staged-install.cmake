# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh staging folder with DESTDIR and prefix /usr, as a distribution's
# package build does, then checks that every installed file is in its place and well formed.
#   cmake -DBUILD_DIR=<build> -DCONFIG=<config> -DSTAGE_DIR=<folder> -DRELEASE_VERSION=<x.y.z>
#         -P check-staged-install.cmake

foreach(variable BUILD_DIR STAGE_DIR RELEASE_VERSION)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

# A fresh folder, so that nothing left from an earlier run can stand in for a missing file.
file(REMOVE_RECURSE "${STAGE_DIR}")
set(ENV{DESTDIR} "${STAGE_DIR}")
set(config_arguments)
if(CONFIG)
    set(config_arguments --config "${CONFIG}")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr ${config_arguments}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(root "${STAGE_DIR}/usr")
function(expect_file path)
    if(NOT EXISTS "${root}/${path}" OR IS_DIRECTORY "${root}/${path}")
        message(SEND_ERROR "missing: /usr/${path}")
    endif()
endfunction()

# A PNG file starts with its signature and the IHDR chunk, whose first eight bytes are the
# width and the height, big-endian.
function(expect_png path size)
    expect_file("${path}")
    if(NOT EXISTS "${root}/${path}")
        return()
    endif()
    file(READ "${root}/${path}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 32 magic)
    if(NOT magic STREQUAL "89504e470d0a1a0a0000000d49484452")
        message(SEND_ERROR "/usr/${path} is not a PNG file")
        return()
    endif()
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(SEND_ERROR "/usr/${path} is ${width}x${height}, not ${size}x${size}")
    endif()
endfunction()

expect_file(bin/vorn)
expect_file(share/applications/vorn.desktop)
expect_png(share/icons/hicolor/32x32/apps/vorn.png 32)
expect_png(share/icons/hicolor/64x64/apps/vorn.png 64)

set(metainfo share/metainfo/io.vorn.vorn.metainfo.xml)
expect_file("${metainfo}")
if(EXISTS "${root}/${metainfo}")
    file(READ "${root}/${metainfo}" text)
    string(FIND "${text}" "<release version=\"${RELEASE_VERSION}\"" position)
    if(position EQUAL -1)
        message(SEND_ERROR "/usr/${metainfo} names no release ${RELEASE_VERSION}")
    endif()
endif()
