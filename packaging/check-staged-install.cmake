# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh staging folder with DESTDIR and prefix /usr, as a distribution's
# package build does, then checks that every installed file is in its place and well formed.
#   cmake -DBUILD_DIR=<build> -DCONFIG=<config> -DSTAGE_DIR=<folder> -DRELEASE_VERSION=<x.y.z>
#         -DBINDIR=<games folder under the prefix> -DICON_SIZES=<16;22;...>
#         -DMETAINFO=<ON when the build installs the metainfo> -P check-staged-install.cmake

foreach(variable BUILD_DIR STAGE_DIR RELEASE_VERSION BINDIR ICON_SIZES METAINFO)
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
# Reads the first bytes of an installed file as hex, or fails the check when it is missing.
function(read_head path bytes out)
    set(${out} "" PARENT_SCOPE)
    if(NOT EXISTS "${root}/${path}" OR IS_DIRECTORY "${root}/${path}")
        message(SEND_ERROR "missing: /usr/${path}")
        return()
    endif()
    file(READ "${root}/${path}" head LIMIT ${bytes} HEX)
    set(${out} "${head}" PARENT_SCOPE)
endfunction()

# A PNG file starts with its signature and the IHDR chunk, whose first eight bytes are the
# width and the height, big-endian.
function(expect_png path size)
    read_head("${path}" 24 header)
    if(header STREQUAL "")
        return()
    endif()
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

# Man pages and changelogs are gzipped with -n: no file name (flag 08) and no time in the header.
function(expect_gzip path)
    read_head("${path}" 8 header)
    if(header STREQUAL "")
        return()
    endif()
    if(NOT header STREQUAL "1f8b080000000000")
        message(SEND_ERROR "/usr/${path} is not gzipped without a name and a time: ${header}")
    endif()
endfunction()

# The game sits in the games folder, and the desktop entry starts it from there.
read_head("${BINDIR}/vorn" 4 elf)
set(entry share/applications/vorn.desktop)
read_head("${entry}" 1 ignored)
if(EXISTS "${root}/${entry}")
    file(STRINGS "${root}/${entry}" exec REGEX "^Exec=")
    if(NOT exec STREQUAL "Exec=/usr/${BINDIR}/vorn")
        message(SEND_ERROR "/usr/${entry} starts \"${exec}\", not /usr/${BINDIR}/vorn")
    endif()
endif()

foreach(size IN LISTS ICON_SIZES)
    expect_png("share/icons/hicolor/${size}x${size}/apps/vorn.png" ${size})
endforeach()
read_head(share/icons/hicolor/scalable/apps/vorn.svg 256 svg)
string(HEX "<svg" svg_tag)
if(NOT svg STREQUAL "" AND NOT svg MATCHES "${svg_tag}")
    message(SEND_ERROR "share/icons/hicolor/scalable/apps/vorn.svg is not an SVG picture")
endif()

expect_gzip(share/man/man6/vorn.6.gz)
read_head(share/doc/vorn/copyright 80 copyright)
string(HEX "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" dep5)
if(NOT copyright STREQUAL "" AND NOT copyright MATCHES "^${dep5}")
    message(SEND_ERROR "/usr/share/doc/vorn/copyright is not in the machine-readable format")
endif()

# The metainfo is there exactly when the build was given a homepage.
set(metainfo share/metainfo/io.vorn.vorn.metainfo.xml)
if(NOT METAINFO)
    if(EXISTS "${root}/${metainfo}")
        message(SEND_ERROR "/usr/${metainfo} is installed, though no homepage was given")
    endif()
    return()
endif()
read_head("${metainfo}" 1 ignored)
if(EXISTS "${root}/${metainfo}")
    file(READ "${root}/${metainfo}" text)
    string(FIND "${text}" "<release version=\"${RELEASE_VERSION}\"" position)
    if(position EQUAL -1)
        message(SEND_ERROR "/usr/${metainfo} names no release ${RELEASE_VERSION}")
    endif()
endif()
