# SPDX-License-Identifier: GPL-3.0-or-later
# Vorn for 64-bit Windows: the MinGW-w64 compilers, the static Qt that tools/windows/qt.sh
# builds, programs linked statically, and wine to run them (tests, and anything the build runs).
# The windows preset uses this file.

# The static Qt: -DVORN_WINDOWS_QT=<folder>, else the one qt.sh built for this source tree.
set(VORN_WINDOWS_QT "" CACHE PATH "The static Qt for Windows (default: the one tools/windows/qt.sh built)")
if(NOT VORN_WINDOWS_QT)
    execute_process(COMMAND sh "${CMAKE_CURRENT_LIST_DIR}/qt.sh" --path
        OUTPUT_VARIABLE qt_prefix OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE qt_missing)
    if(qt_missing)
        message(FATAL_ERROR "No static Qt for Windows: run sh tools/windows.sh once, "
            "or pass -DVORN_WINDOWS_QT=<folder>.")
    endif()
    set(VORN_WINDOWS_QT "${qt_prefix}" CACHE PATH "" FORCE)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VORN_WINDOWS_QT)

# Qt's own toolchain file loads the compiler settings Qt was built with (mingw-w64.cmake) and
# points find_package at the static Qt and at the build machine's Qt tools (moc, rcc, uic).
include("${VORN_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")

# Debian's Qt leaves its plugins out of a program unless asked: a static program has no other
# way to load them, so the platform and style plugins are linked in.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)

# Qt's -static-runtime covers only Qt itself: without -static every program would need
# libgcc_s_seh-1.dll, libstdc++-6.dll and libwinpthread-1.dll beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Windows programs run under wine, in a wine prefix of the build's own.
set(VORN_WINE_RUN "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")
set(VORN_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine")
set(CMAKE_CROSSCOMPILING_EMULATOR sh "${VORN_WINE_RUN}" "${VORN_WINE_PREFIX}")
