# SPDX-License-Identifier: MIT
# Checks that the rooms of a library include each other one way only: a file
# may include its own room and the floors listed before its own, never a floor
# after it nor another room of its floor (rooms side by side know nothing of
# each other). Every folder holding sources must be a room.
#   cmake -DROOT=<library folder> -DROOMS=lowest,next|beside,...,highest
#         [-DPREFIX=core/] -P rooms.cmake
# Without PREFIX, headers of the public include folder may be included from
# anywhere. With it, includes name their room after the prefix
# ("core/optics/optics.h" is the room optics), and the headers under
# include/<prefix> belong to the room of the same name.
foreach(required ROOT ROOMS)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "rooms.cmake needs -D${required}=")
    endif()
endforeach()

string(REPLACE "," ";" floors "${ROOMS}")
set(floor 0)
foreach(rooms_of_floor ${floors})
    string(REPLACE "|" ";" rooms_of_floor "${rooms_of_floor}")
    foreach(room ${rooms_of_floor})
        set(floor_of_${room} ${floor})
    endforeach()
    math(EXPR floor "${floor} + 1")
endforeach()

get_filename_component(ROOT ${ROOT} ABSOLUTE)
file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/*.h ${ROOT}/*.cpp)
set(faults "")
foreach(file ${files})
    set(place ${file})
    if(DEFINED PREFIX AND place MATCHES "^include/${PREFIX}")
        string(REGEX REPLACE "^include/${PREFIX}" "" place ${place})
    elseif(place MATCHES "^include/")
        continue()
    endif()
    get_filename_component(room "${place}" DIRECTORY)
    if(NOT DEFINED floor_of_${room})
        string(APPEND faults "\n  ${file}: its folder is no room")
        continue()
    endif()
    file(STRINGS ${ROOT}/${file} includes REGEX "^#include \"")
    foreach(line ${includes})
        string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" included "${line}")
        if(DEFINED PREFIX)
            if(NOT included MATCHES "^${PREFIX}")
                continue()
            endif()
            string(REGEX REPLACE "^${PREFIX}" "" included ${included})
        endif()
        get_filename_component(target "${included}" DIRECTORY)
        if(NOT DEFINED floor_of_${target} OR target STREQUAL room)
            continue()
        endif()
        if(floor_of_${target} GREATER floor_of_${room})
            string(APPEND faults "\n  ${file} (${room}) includes ${included} (${target}), a floor above it")
        elseif(floor_of_${target} EQUAL floor_of_${room})
            string(APPEND faults "\n  ${file} (${room}) includes ${included} (${target}), a room beside it")
        endif()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "includes that go up or across:${faults}")
endif()
list(LENGTH files count)
message(STATUS "${count} files, every include down or within its room")
