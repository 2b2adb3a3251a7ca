# Fails when an include runs against the layers of src/:
#   physics <- level <- app <- image, input <- audio <- ui, mode, platform
#     <- play, menu, editor <- devtools <- game
# A folder may include its own headers and those of any folder to its left;
# play, menu and editor stand side by side and include none of each other.
# devtools (the headless player drives the play mode) is never linked by the
# game, which therefore includes none of it either.
# SDL belongs to the platform folder alone, and neither the
# physics nor the level folder draws (no GL).
# Run: cmake -DSOURCE_DIR=<repository> -P tests/layers/layers_check.cmake

set(rank_physics 0)
set(rank_level 1)
set(rank_app 2)
set(rank_image 3)
set(rank_input 3)
set(rank_audio 4)
set(rank_ui 5)
set(rank_mode 5)
set(rank_platform 5)
set(rank_play 6)
set(rank_menu 6)
set(rank_editor 6)
set(rank_devtools 7)
set(rank_game 8)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(faults "")
foreach(source ${sources})
  string(REGEX MATCH "^src/([a-z_]+)/" _ ${source})
  set(folder ${CMAKE_MATCH_1})
  if(NOT DEFINED rank_${folder})
    list(APPEND faults "${source}: folder ${folder} has no place in the layers")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    if(line MATCHES "#[ \t]*include[ \t]*\"([a-z_]+)/")
      set(target ${CMAKE_MATCH_1})
      if(NOT DEFINED rank_${target})
        continue()  # not a folder of src/ (a test or tool header)
      endif()
      if(folder STREQUAL "game" AND target STREQUAL "devtools")
        list(APPEND faults "${source}: the game includes the tooling it never links: ${line}")
      elseif(NOT target STREQUAL folder)
        if(rank_${target} GREATER rank_${folder})
          list(APPEND faults "${source}: ${folder} includes ${target}, a layer above it: ${line}")
        elseif(rank_${target} EQUAL rank_${folder})
          list(APPEND faults "${source}: ${folder} includes ${target}, which stands beside it: ${line}")
        endif()
      endif()
    endif()
    if(line MATCHES "SDL" AND NOT source MATCHES "^src/platform/")
      list(APPEND faults "${source}: SDL outside the platform files: ${line}")
    endif()
    if(line MATCHES "<GL/" AND (folder STREQUAL "physics" OR folder STREQUAL "level"))
      list(APPEND faults "${source}: GL in the ${folder} folder: ${line}")
    endif()
  endforeach()
endforeach()

list(LENGTH sources checked)
if(faults)
  list(JOIN faults "\n" report)
  message(FATAL_ERROR "Includes against the layers:\n${report}")
endif()
message(STATUS "layers: ${checked} files, every include in order")
