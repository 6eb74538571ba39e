# Fails when the code that talks to the instrument writes a register address as a number.
#   cmake -DPROJECT_DIR=<repo> -P check_register_literals.cmake
#
# Every address of the instrument's register range, 1024 to 2047 (0x400 to 0x7FF), has a
# name in the register maps of src/core (common_registers.h, h9_registers.h,
# h5h7_registers.h), and the link, the transfers, the monitor and the simulated instrument
# say which register they mean by that name. Any numeric literal in the range counts,
# whatever its base. Not looked at: comments, string and character literals, the twip
# positions of the layout files (<form>_layout.cpp) and of the placement calls tw(...) and
# placeTw(...), and a line whose comment says "not a register" (a size that happens to lie
# in the range).
cmake_minimum_required(VERSION 3.25)

if(NOT PROJECT_DIR OR NOT IS_DIRECTORY "${PROJECT_DIR}/src")
  message(FATAL_ERROR "PROJECT_DIR must name the repository")
endif()

set(checked_folders src/link src/transfer src/monitor tools/instrument-sim)
set(lowest 1024)
set(highest 2047)

# The value of a C++ integer literal without its suffix; empty for anything else.
function(literal_value token out)
  set(value "")
  set(base 0)
  if(token MATCHES "^0[xX]([0-9A-Fa-f]+)[uUlL]*$")
    math(EXPR value "0x${CMAKE_MATCH_1}")
  elseif(token MATCHES "^0[bB]([01]+)[uUlL]*$")
    set(base 2)
  elseif(token MATCHES "^0([0-7]+)[uUlL]*$")
    set(base 8)
  elseif(token MATCHES "^([0-9]+)[uUlL]*$")
    # Leading zeros were taken as octal above, so the length alone keeps math() in range.
    string(LENGTH "${CMAKE_MATCH_1}" n)
    if(n LESS 10)
      math(EXPR value "${CMAKE_MATCH_1}")
    endif()
  endif()
  if(base GREATER 0)
    # Binary or octal, digit by digit; a text too long for any register is left alone.
    set(digits "${CMAKE_MATCH_1}")
    string(LENGTH "${digits}" n)
    if(n LESS 20)
      set(value 0)
      math(EXPR last "${n} - 1")
      foreach(i RANGE ${last})
        string(SUBSTRING "${digits}" ${i} 1 d)
        math(EXPR value "${value} * ${base} + ${d}")
      endforeach()
    endif()
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

set(files "")
foreach(folder ${checked_folders})
  file(GLOB_RECURSE found "${PROJECT_DIR}/${folder}/*.h" "${PROJECT_DIR}/${folder}/*.cpp")
  list(APPEND files ${found})
endforeach()
list(FILTER files EXCLUDE REGEX "_layout\\.cpp$")
list(LENGTH files checked)
if(checked EQUAL 0)
  message(FATAL_ERROR "no file was checked under ${PROJECT_DIR}")
endif()

set(failures "")
foreach(path ${files})
  file(READ "${path}" text)
  # What is not code, in an order that keeps a quote inside a comment or a "//" inside a
  # string from hiding code.
  string(REGEX REPLACE "[^\n]*not a register[^\n]*" "" text "${text}")
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" " " text "${text}")
  string(REGEX REPLACE "'(\\\\.|[^'\\\\\n])'" "' '" text "${text}")
  string(REGEX REPLACE "\"(\\\\.|[^\"\\\\\n])*\"" "\"\"" text "${text}")
  string(REGEX REPLACE "//[^\n]*" "" text "${text}")
  string(REGEX REPLACE "(^|[^A-Za-z0-9_])(placeTw|tw)\\([^\n]*" "\\1" text "${text}")
  # Every token that starts with a digit, with the character before it. Brackets and
  # semicolons would change how CMake splits the list of tokens, and none is part of one.
  string(REGEX REPLACE "[][;]" " " text "${text}")
  string(REGEX MATCHALL "[^A-Za-z0-9_.][0-9][0-9A-Za-z_.]*" tokens "${text}")
  set(bad "")
  foreach(token ${tokens})
    string(SUBSTRING "${token}" 1 -1 token)
    literal_value("${token}" value)
    if(NOT value STREQUAL "" AND value GREATER_EQUAL lowest AND value LESS_EQUAL highest)
      list(APPEND bad "${token}")
    endif()
  endforeach()
  if(bad)
    list(REMOVE_DUPLICATES bad)
    file(RELATIVE_PATH rel "${PROJECT_DIR}" "${path}")
    list(JOIN bad ", " shown)
    string(APPEND failures "\n  ${rel}: ${shown}")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "register addresses written as numbers (name them in the register maps "
                      "of src/core):${failures}")
endif()
message(STATUS "${checked} files name every register they use")
