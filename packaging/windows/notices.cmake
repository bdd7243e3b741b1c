# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the licence notices of what vorn.exe carries statically linked into OUT_DIR: Qt, the
# third-party code that Qt Core, Gui, Widgets and the Windows platform plugin bundle (from Qt's
# own attribution files), and the MinGW-w64 and GCC runtime libraries.
#
#   cmake -DQT_PREFIX=<static Qt> -DQT_SOURCE=<source package and version> -DOUT_DIR=<folder>
#         -P notices.cmake

cmake_minimum_required(VERSION 3.25)

foreach(variable QT_PREFIX QT_SOURCE OUT_DIR)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "notices.cmake needs -D${variable}=...")
    endif()
endforeach()

# The attribution files of the code that Core, Gui or Widgets carry on Windows, relative to the
# Qt source tree, each after a colon with the Qt feature it comes with, where it is not always
# there. Qt moves some of them between versions: a folder marked ? is left out when this Qt does
# not have it; any other must be there.
set(attributions
    src/3rdparty/blake2
    src/3rdparty/D3D12MemoryAllocator?:rhi_d3d
    src/3rdparty/double-conversion:doubleconversion
    src/3rdparty/easing:easingcurve
    src/3rdparty/freetype:freetype
    src/3rdparty/harfbuzz-ng:harfbuzz
    src/3rdparty/icc
    src/3rdparty/libpng:png
    src/3rdparty/md4
    src/3rdparty/md4c:textmarkdownreader
    src/3rdparty/md5
    src/3rdparty/pcre2:regularexpression
    src/3rdparty/rfc6234
    src/3rdparty/sha1
    src/3rdparty/sha3
    src/3rdparty/siphash?
    src/3rdparty/tinycbor:cborstreamreader
    src/3rdparty/VulkanMemoryAllocator:vulkan
    src/3rdparty/zlib
    src/corelib/mimetypes/3rdparty:mimetype_database
    src/corelib/text
    src/corelib/tools?
    src/gui/painting
    src/gui/rhi?:rhi_d3d
    src/gui/text:pdf
    util/gradientgen)

# The features this Qt was configured with, from its configuration headers.
file(GLOB_RECURSE configs "${QT_PREFIX}/include/QtCore/*config*.h"
    "${QT_PREFIX}/include/QtGui/*config*.h" "${QT_PREFIX}/include/QtWidgets/*config*.h")
set(features "")
foreach(config IN LISTS configs)
    file(STRINGS "${config}" defines REGEX "^#define QT_FEATURE_[a-z0-9_]+ 1$")
    list(APPEND features ${defines})
endforeach()
if(NOT features)
    message(FATAL_ERROR "No feature list found in ${QT_PREFIX}/include.")
endif()

set(licenses "${QT_PREFIX}/licenses")
file(REMOVE_RECURSE "${OUT_DIR}")
file(MAKE_DIRECTORY "${OUT_DIR}")

function(json_text out json)
    string(JSON value ERROR_VARIABLE missing GET "${json}" ${ARGN})
    if(missing)
        set(value "")
    endif()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# One file a component: what it is, where Qt uses it, its copyright, and its licence text.
function(write_notice folder entry)
    json_text(id "${entry}" Id)
    json_text(name "${entry}" Name)
    json_text(usage "${entry}" QtUsage)
    json_text(copyright "${entry}" Copyright)
    json_text(license "${entry}" License)
    json_text(license_id "${entry}" LicenseId)
    json_text(license_file "${entry}" LicenseFile)
    set(text "${name}\n\n${usage}\n\nCopyright:\n${copyright}\n\nLicence: ${license} (${license_id})\n")
    if(license_file)
        set(path "${licenses}/${folder}/${license_file}")
        if(NOT EXISTS "${path}")
            message(FATAL_ERROR "The licence file ${path} is missing from the Qt build.")
        endif()
        file(READ "${path}" license_text)
        string(APPEND text "\n${license_text}")
    endif()
    file(WRITE "${OUT_DIR}/qt-3rdparty-${id}.txt" "${text}")
endfunction()

foreach(attribution IN LISTS attributions)
    string(REPLACE ":" ";" attribution "${attribution}")
    list(GET attribution 0 folder)
    list(LENGTH attribution parts)
    if(parts EQUAL 2)
        list(GET attribution 1 feature)
        if(NOT "#define QT_FEATURE_${feature} 1" IN_LIST features)
            continue()
        endif()
    endif()
    if(folder MATCHES "[?]$")
        string(REGEX REPLACE "[?]$" "" folder "${folder}")
        if(NOT EXISTS "${licenses}/${folder}/qt_attribution.json")
            continue()
        endif()
    endif()
    file(READ "${licenses}/${folder}/qt_attribution.json" json)
    string(JSON type TYPE "${json}")
    if(type STREQUAL "ARRAY")
        string(JSON count LENGTH "${json}")
        math(EXPR last "${count} - 1")
        foreach(index RANGE ${last})
            string(JSON entry GET "${json}" ${index})
            write_notice("${folder}" "${entry}")
        endforeach()
    else()
        write_notice("${folder}" "${json}")
    endif()
endforeach()

# Qt itself.
file(READ "${licenses}/qt/LGPL-3.0-only.txt" lgpl)
file(WRITE "${OUT_DIR}/qt.txt"
    "Qt ${QT_SOURCE}\n\n"
    "vorn.exe contains Qt Core, Qt Gui, Qt Widgets, the Windows platform plugin and the Windows\n"
    "styles, linked statically. Qt is used under the GNU Lesser General Public License version 3,\n"
    "printed below; it builds on the GNU General Public License version 3 in LICENSE.txt, under\n"
    "which Vorn itself is distributed.\n\n"
    "Qt was built from the source package named above, with Debian's patches and a few small\n"
    "changes of Vorn's own: two keep the C++ stream and locale library out of vorn.exe (in Qt\n"
    "Widgets' debug output of a widget and in Qt's copy of double-conversion), and one lets the\n"
    "Windows 11 style be built without the parts of Qt that the game does not use (graphics\n"
    "views and effects, text edits and style sheets). Vorn's source, which is needed to link\n"
    "vorn.exe against a changed Qt, includes these changes, the build script and the configure\n"
    "options used (tools/windows/). The files qt-3rdparty-*.txt beside this one are the licences\n"
    "of the code that Qt bundles.\n\n"
    "Copyright (C) The Qt Company Ltd. and other contributors.\n\n"
    "${lgpl}")

# The C and C++ runtime libraries of the MinGW-w64 compilers, also linked statically.
foreach(runtime mingw-w64-common gcc-mingw-w64-base)
    set(path "/usr/share/doc/${runtime}/copyright")
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "${path} is missing: install the Debian package ${runtime}.")
    endif()
endforeach()
file(READ /usr/share/doc/mingw-w64-common/copyright mingw)
file(WRITE "${OUT_DIR}/mingw-w64-runtime.txt"
    "MinGW-w64 runtime: the C runtime start-up code and winpthreads\n\n"
    "vorn.exe contains parts of the MinGW-w64 runtime, linked statically. These are the copyright\n"
    "notices and licences of Debian's mingw-w64 source package, which it was built from.\n\n"
    "${mingw}")
file(READ /usr/share/doc/gcc-mingw-w64-base/copyright gcc)
file(WRITE "${OUT_DIR}/gcc-runtime.txt"
    "GCC runtime libraries: libgcc and libstdc++\n\n"
    "vorn.exe contains parts of libgcc and libstdc++, linked statically. They are distributed\n"
    "under the GNU General Public License version 3 with the GCC Runtime Library Exception,\n"
    "which allows this without further conditions. These are the copyright notices and\n"
    "licences of Debian's gcc-mingw-w64 source package.\n\n"
    "${gcc}")
