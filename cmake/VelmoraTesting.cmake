# velmora_add_test(NAME <exe> SOURCES <files...> LIBS <libs...> [GUI] [DISPLAY])
#
# One GoogleTest executable per library folder. GUI tests get a QApplication on the offscreen
# platform; DISPLAY tests need a real X display (GL, web engine) and are labelled "display" so the
# test command runs them under xvfb-run. Test discovery happens when ctest runs, not at build time,
# so building never needs a display.
include(GoogleTest)
find_package(GTest REQUIRED)

function(velmora_add_test)
  cmake_parse_arguments(ARG "GUI;DISPLAY" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  if(ARG_DISPLAY)
    target_link_libraries(${ARG_NAME} PRIVATE velmora_test_support_display)
  elseif(ARG_GUI)
    target_link_libraries(${ARG_NAME} PRIVATE velmora_test_support_gui)
  else()
    target_link_libraries(${ARG_NAME} PRIVATE velmora_test_support)
  endif()
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${ARG_NAME} PRIVATE VELMORA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  set(label unit)
  if(NOT ARG_DISPLAY AND NOT ARG_GUI)
    # QtCore-only programs: the target velmora_unit_tests builds them alone (the sanitizer run).
    set_property(GLOBAL APPEND PROPERTY VELMORA_UNIT_TEST_PROGRAMS ${ARG_NAME})
  endif()
  if(ARG_DISPLAY)
    set(label display)
  elseif(ARG_GUI)
    set(label gui)
  endif()
  # Each test makes its private home and temporary folder (tests/support/TestHome) under the
  # build tree, never in the system's temporary folder.
  gtest_discover_tests(${ARG_NAME}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${label} TIMEOUT 300 ENVIRONMENT "TMPDIR=${CMAKE_BINARY_DIR}/test-tmp")
endfunction()
