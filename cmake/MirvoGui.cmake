# The desktop program `mirvo` and its Qt Test suite. Only Qt Widgets (and QtTest for the tests)
# are used, to keep the build small.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

# The Qt library: everything under ui/ (windows, panels, widgets, drawing) and the Qt services.
file(GLOB_RECURSE mirvo_gui_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/ui/*.cpp ${PROJECT_SOURCE_DIR}/ui/*.h
  ${PROJECT_SOURCE_DIR}/platform/qt/*.cpp ${PROJECT_SOURCE_DIR}/platform/qt/*.h)
add_library(mirvo_gui STATIC ${mirvo_gui_sources})
set_target_properties(mirvo_gui PROPERTIES AUTOMOC ON)
target_include_directories(mirvo_gui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(mirvo_gui PUBLIC mirvo_core Qt6::Widgets)
target_compile_definitions(mirvo_gui PUBLIC
  MIRVO_VERSION_MAJOR=${PROJECT_VERSION_MAJOR} MIRVO_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  QT_NO_KEYWORDS)

add_executable(mirvo app/mirvo.cpp)
target_link_libraries(mirvo PRIVATE mirvo_gui)
# The program finds its data files (program texts, manual) in its own folder, where the top-level
# list copies data/.
set_target_properties(mirvo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_compile_definitions(mirvo PRIVATE MIRVO_DATA_FROM_PROGRAMS="${MIRVO_DATA_FROM_PROGRAMS}")

# The desktop entry and the icon (drawn as SVG; the PNG sizes are rendered from it).
install(TARGETS mirvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/desktop/mirvo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/mirvo.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/desktop/mirvo-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME mirvo.png)
endforeach()

# Qt Test programs: tests/**/*_qtest.cpp, one program each, run without a display.
function(mirvo_qtests)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/*_qtest.cpp)
  foreach(src ${sources})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE mirvo_gui mirvo_test_support Qt6::Test)
    # A window test may compare the window with the command-line tool.
    add_dependencies(${name} mirvo-cli)
    target_compile_definitions(${name} PRIVATE MIRVO_DATA_DIR="${CMAKE_BINARY_DIR}"
      MIRVO_CLI_PATH="$<TARGET_FILE:mirvo-cli>")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
  endforeach()
endfunction()
