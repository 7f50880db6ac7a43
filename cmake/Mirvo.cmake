# Helpers that keep the layer libraries uniform. Sources are collected per folder so that adding a
# file needs no edit here; CONFIGURE_DEPENDS re-globs on every build.
#
# Each folder below the two faces is one library. A library may include only its own folder and
# the folders of the libraries it declares (directly or through them), and it may declare only
# libraries made before it, so that an include running back up a floor, or a circle between two
# concerns, stops the configuration with the file that does it. Qt may be included only by the
# folders of the window library (ui/, platform/qt).

# The folders a library's files may include from: its own and those of everything it uses.
function(mirvo__allowed_dirs out dir deps)
  set(allowed ${dir})
  foreach(dep ${deps})
    if(TARGET ${dep})
      get_target_property(dep_dirs ${dep} MIRVO_ALLOWED_DIRS)
      if(dep_dirs)
        list(APPEND allowed ${dep_dirs})
      endif()
    endif()
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set(${out} ${allowed} PARENT_SCOPE)
endfunction()

# Fails when a file of dir includes a project folder outside allowed, or includes Qt.
function(mirvo__check_includes dir allowed)
  file(GLOB files ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.h)
  foreach(f ${files})
    file(STRINGS ${f} lines REGEX "^#include [\"<]")
    foreach(line ${lines})
      if(line MATCHES "^#include <Q")
        message(FATAL_ERROR "${f}: Qt is for ui/ and platform/qt only: ${line}")
      endif()
      if(line MATCHES "^#include \"([^\"]+)/[^/\"]+\"")
        set(inc_dir ${CMAKE_MATCH_1})
        if(NOT inc_dir IN_LIST allowed)
          message(FATAL_ERROR "${f}: ${dir} may not include ${inc_dir} (uses: ${allowed})")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()

function(mirvo__make_library name dir sources deps)
  foreach(dep ${deps})
    if(dep MATCHES "^mirvo_" AND NOT TARGET ${dep})
      message(FATAL_ERROR "${name} uses ${dep}, which is made later: layers are declared lowest first")
    endif()
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${deps})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${deps})
  endif()
  mirvo__allowed_dirs(allowed ${dir} "${deps}")
  set_property(TARGET ${name} PROPERTY MIRVO_ALLOWED_DIRS ${allowed})
  mirvo__check_includes(${dir} "${allowed}")
endfunction()

# A Qt-free library of one folder.
function(mirvo_module name dir)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  mirvo__make_library(${name} ${dir} "${sources}" "${M_DEPS}")
  if(sources)
    # A name that hides another in these layers is a fault waiting to happen (Qt's own headers
    # are not held to it, so the windows are not either).
    target_compile_options(${name} PRIVATE -Wshadow)
  endif()
endfunction()

# One GoogleTest program per test folder: tests/<dir>/*_test.cpp -> test_<dir with _>; with
# RECURSE, the test files of every folder below it as well (one program for a whole layer).
function(mirvo_gtest dir)
  cmake_parse_arguments(M "RECURSE" "" "DEPS" ${ARGN})
  if(M_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*_test.cpp)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*_test.cpp)
  endif()
  if(NOT sources)
    return()
  endif()
  string(REPLACE "/" "_" target "test_${dir}")
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${M_DEPS} mirvo_test_support GTest::gtest GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE MIRVO_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  # Labelled by folder ("app" for the command-line tests), so that a run can pick a layer: ctest -L app.
  string(REGEX REPLACE "/.*" "" label "${dir}")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 600 LABELS ${label})
endfunction()
