# Helpers that keep the layer libraries uniform. Sources are collected per folder so that adding a
# file needs no edit here; CONFIGURE_DEPENDS re-globs on every build.

# A widget (Qt) file: named frm*.cpp / *Widget.cpp / *Panel.cpp, or under platform/qt.
set(MIRVO_QT_FILE_REGEX "(/frm[^/]*|Widget[^/]*|Panel[^/]*|/platform/qt/.*)\\.(cpp|h)$")

function(mirvo__make_library name sources deps)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${deps})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${deps})
  endif()
endfunction()

function(mirvo_module name dir)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  mirvo__make_library(${name} "${sources}" "${M_DEPS}")
endfunction()

function(mirvo_rules_module name dir)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "${MIRVO_QT_FILE_REGEX}")
  mirvo__make_library(${name} "${sources}" "${M_DEPS}")
endfunction()

# One GoogleTest program per test folder: tests/<dir>/*_test.cpp -> test_<dir with _>.
function(mirvo_gtest dir)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*_test.cpp)
  if(NOT sources)
    return()
  endif()
  string(REPLACE "/" "_" target "test_${dir}")
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${M_DEPS} mirvo_test_support GTest::gtest GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE MIRVO_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 600)
endfunction()
