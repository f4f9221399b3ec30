# Fails when a folder of src/ includes from a folder on its own floor or above it (docs/architecture.md,
# "Layers"). Each folder has a floor; a file may include from its own folder, from any folder on a
# lower floor, and from the folder its own folder lies in (incident/report from incident), never
# the other way round. Every folder must be on a floor: a new one is placed here and in the
# document. Run by ctest (velmora_layers).
cmake_minimum_required(VERSION 3.25)
set(floors
  "core"
  "platform sensor library ui playback/viewing export/snapshot"
  "export map playback/clock"
  "recording settings/record settings/record/maintenance playback"
  "settings/editor settings/ini settings/ini/editor settings/web demo"
  "settings/zone settings/screens"
  "incident incident/report trips trips/view"
  "app app/window cli")

set(known_folders "")
set(floor 0)
foreach(row IN LISTS floors)
  math(EXPR floor "${floor} + 1")
  string(REPLACE " " ";" folders "${row}")
  foreach(folder IN LISTS folders)
    set(floor_of_${folder} ${floor})
    list(APPEND known_folders "${folder}")
  endforeach()
endforeach()

# The known folder an include path lies in (the longest that holds it), or empty.
function(folder_of path out)
  get_filename_component(dir "${path}" DIRECTORY)
  set(${out} "" PARENT_SCOPE)
  while(NOT dir STREQUAL "")
    if(dir IN_LIST known_folders)
      set(${out} "${dir}" PARENT_SCOPE)
      return()
    endif()
    get_filename_component(dir "${dir}" DIRECTORY)
  endwhile()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h")
set(violations "")
foreach(source IN LISTS sources)
  get_filename_component(own "${source}" DIRECTORY)
  if(NOT own IN_LIST known_folders)
    list(APPEND violations "src/${source}: the folder src/${own} is on no floor")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/src/${source}" includes REGEX "^#include \"[a-z_]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" path "${line}")
    folder_of("${path}" target)
    if(target STREQUAL "" OR target STREQUAL own)
      continue()
    endif()
    get_filename_component(parent "${own}" DIRECTORY)
    if(floor_of_${target} LESS floor_of_${own})
      continue()
    elseif(target STREQUAL parent AND floor_of_${target} EQUAL floor_of_${own})
      continue()
    endif()
    list(APPEND violations "src/${source}: ${line}")
  endforeach()
endforeach()
if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes against the layers (see docs/architecture.md):\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "Layers hold for ${count} files")
