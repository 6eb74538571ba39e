# cmake --install lays out bin/tcpanel beside share/tcpanel with the help files, as the
# build tree has them beside the program, and puts nothing else under bin.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch folder> -P install_layout.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
file(GLOB bin RELATIVE "${PREFIX}/bin" "${PREFIX}/bin/*")
if(NOT rc EQUAL 0 OR NOT bin STREQUAL "tcpanel")
  message(FATAL_ERROR "install failed (${rc}) or bin/ holds '${bin}', not the program alone")
endif()
foreach(f Help_E.qch Help_B.qch Help_C.qch)
  if(NOT EXISTS "${PREFIX}/share/tcpanel/${f}" OR NOT EXISTS "${BUILD_DIR}/${f}")
    message(FATAL_ERROR "${f} is missing from share/tcpanel or from the build tree")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
