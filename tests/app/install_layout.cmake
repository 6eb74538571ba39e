# Installs the build into a scratch prefix and checks the layout the program looks for
# its data in: bin/tcpanel beside share/tcpanel with the help files, and nothing else
# under bin.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch folder> -P install_layout.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT BUILD_DIR OR NOT PREFIX)
  message(FATAL_ERROR "BUILD_DIR and PREFIX must be given")
endif()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

file(GLOB bin RELATIVE "${PREFIX}/bin" "${PREFIX}/bin/*")
if(NOT bin STREQUAL "tcpanel")
  message(FATAL_ERROR "bin/ holds '${bin}', not the program alone")
endif()
foreach(f Help_E.qch Help_B.qch Help_C.qch)
  if(NOT EXISTS "${PREFIX}/share/tcpanel/${f}")
    message(FATAL_ERROR "share/tcpanel/${f} is not installed")
  endif()
endforeach()
# The build tree has the same files beside the program.
foreach(f tcpanel Help_E.qch Help_B.qch Help_C.qch)
  if(NOT EXISTS "${BUILD_DIR}/${f}")
    message(FATAL_ERROR "${f} is not in the build tree's program folder")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
