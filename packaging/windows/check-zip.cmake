# SPDX-License-Identifier: GPL-3.0-or-later
# Unpacks the Windows zip and checks that it holds vorn.exe as staged (the one the other checks
# look at), the licence, the README and the licence notices, and nothing else.
#
#   cmake -DZIP=<zip> -DSTAGE=<staging folder> -DWORK=<scratch folder> -P check-zip.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(ARCHIVE_EXTRACT INPUT "${ZIP}" DESTINATION "${WORK}")

file(GLOB_RECURSE unpacked RELATIVE "${WORK}" "${WORK}/*")
file(GLOB_RECURSE staged RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT unpacked)
list(SORT staged)
if(NOT unpacked STREQUAL staged)
    message(FATAL_ERROR "The zip holds\n  ${unpacked}\nbut should hold\n  ${staged}")
endif()

foreach(required vorn.exe LICENSE.txt README.txt licenses/qt.txt licenses/qt-3rdparty-zlib.txt
        licenses/qt-3rdparty-libpng.txt licenses/qt-3rdparty-doubleconversion.txt
        licenses/mingw-w64-runtime.txt licenses/gcc-runtime.txt)
    if(NOT required IN_LIST unpacked)
        message(FATAL_ERROR "The zip lacks ${required}")
    endif()
endforeach()

foreach(name IN LISTS unpacked)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK}/${name}" "${STAGE}/${name}"
        RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${name} in the zip differs from the staged one")
    endif()
endforeach()

list(LENGTH unpacked count)
message(STATUS "The zip holds the ${count} files it should")
file(REMOVE_RECURSE "${WORK}")
