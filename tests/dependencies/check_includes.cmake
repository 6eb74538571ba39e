# Fails when a file under src/ includes a header of a folder above its own.
#   cmake -DSOURCE_DIR=<repo>/src -P check_includes.cmake
#
# The folders from bottom to top (src/CMakeLists.txt makes a library of each, one of
# the three editors' folders); a folder may include its own headers and those of the
# folders below it, never those above. Folders on one line share a level and may
# include each other:
#   0 platform (and the generated tables of resources/)
#   1 core
#   2 link
#   3 transfer
#   4 settings_file
#   5 editors/common (what both editors share)
#   6 editors/h9, editors/h5h7
#   7 monitor
#   8 app
# A folder that is not in this list fails the check, so a new one has to be placed.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR OR NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "SOURCE_DIR must name the src folder")
endif()

set(level_platform 0)
set(level_resources 0)
set(level_core 1)
set(level_link 2)
set(level_transfer 3)
set(level_settings_file 4)
set(level_editors/common 5)
set(level_editors/h9 6)
set(level_editors/h5h7 6)
set(level_monitor 7)
set(level_app 8)

# The folder of a path relative to src/ (or of an include path): its first part, or
# its first two parts under editors/.
function(folder_of path out)
  string(REPLACE "/" ";" parts "${path}")
  list(LENGTH parts n)
  if(n LESS 2)
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  list(GET parts 0 first)
  if(first STREQUAL "editors" AND n GREATER 2)
    list(GET parts 1 second)
    set(${out} "editors/${second}" PARENT_SCOPE)
  else()
    set(${out} "${first}" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(failures "")
set(checked 0)
foreach(rel ${sources})
  folder_of("${rel}" own)
  if(NOT DEFINED level_${own})
    string(APPEND failures "\n  ${rel}: folder '${own}' has no place in the order")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${rel}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" inc "${line}")
    folder_of("${inc}" target)
    if(target STREQUAL "")
      continue() # a header beside the file, or one generated for it
    endif()
    math(EXPR checked "${checked} + 1")
    if(NOT DEFINED level_${target})
      string(APPEND failures "\n  ${rel}: includes \"${inc}\" of an unknown folder '${target}'")
    elseif(level_${target} GREATER level_${own})
      string(APPEND failures "\n  ${rel} (${own}) includes \"${inc}\" (${target}), a folder above it")
    endif()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "no include was checked under ${SOURCE_DIR}")
endif()
if(failures)
  message(FATAL_ERROR "includes that run upward:${failures}")
endif()
message(STATUS "${checked} includes run one way")
