# One CTest test per GoogleTest suite, each in a process of its own: a sanitised
# process takes about half a second to start, and an install test installs the
# game once per process, so a suite per process keeps the runs quick. The suites
# are read from the sources' TEST( and TEST_F( headings; a last test checks that
# no test of the executable is left out of them.
#
#   zb_add_test_suites(<executable> CHECK <name> SOURCES <files...> [WORKING_DIRECTORY <dir>])
function(zb_add_test_suites target)
  cmake_parse_arguments(ARG "" "CHECK;WORKING_DIRECTORY" "SOURCES" ${ARGN})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ARG_SOURCES})
  set(where)
  if(ARG_WORKING_DIRECTORY)
    set(where WORKING_DIRECTORY ${ARG_WORKING_DIRECTORY})
  endif()
  set(suites)
  foreach(source ${ARG_SOURCES})
    file(STRINGS ${source} heads REGEX "^TEST(_F)?\\([A-Za-z0-9_]+,")
    foreach(head ${heads})
      string(REGEX REPLACE "^TEST(_F)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${head}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  foreach(suite ${suites})
    add_test(NAME ${suite} COMMAND ${target} --gtest_filter=${suite}.* ${where})
  endforeach()
  list(JOIN suites ".*:" every)
  add_test(NAME ${ARG_CHECK} COMMAND ${target} --gtest_filter=-${every}.* ${where})
  set_tests_properties(${ARG_CHECK} PROPERTIES PASS_REGULAR_EXPRESSION "Running 0 tests")
endfunction()
