# SPDX-License-Identifier: MIT
# Fails, naming each one, when a folder below ROOT (ROOT included) holds more
# than LIMIT files, so that every room of the sources stays small enough to read.
# Usage: cmake -DROOT=<folder> -DLIMIT=<count> -P room_sizes.cmake
if(NOT IS_DIRECTORY "${ROOT}" OR NOT LIMIT MATCHES "^[0-9]+$")
    message(FATAL_ERROR "usage: cmake -DROOT=<folder> -DLIMIT=<count> -P room_sizes.cmake")
endif()
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${ROOT}/*")
set(crowded "")
foreach(folder "${ROOT}" ${entries})
    if(IS_DIRECTORY "${folder}")
        file(GLOB files LIST_DIRECTORIES false "${folder}/*")
        list(LENGTH files count)
        if(count GREATER LIMIT)
            string(APPEND crowded "\n  ${folder}: ${count} files")
        endif()
    endif()
endforeach()
if(crowded)
    message(FATAL_ERROR "more than ${LIMIT} files in a folder:${crowded}")
endif()
