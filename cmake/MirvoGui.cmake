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

# The translations of the windows: translations/vantrel_<locale>.ts, kept in the repository and
# compiled by Qt's lrelease into the build folder beside the program data, and installed with it.
# The target mirvo_lupdate brings the .ts files up to date with the texts of the sources.
find_program(MIRVO_LRELEASE NAMES lrelease lrelease-qt6 HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
find_program(MIRVO_LUPDATE NAMES lupdate lupdate-qt6 HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
if(NOT MIRVO_LRELEASE OR NOT MIRVO_LUPDATE)
  message(FATAL_ERROR "Qt's translation tools lrelease and lupdate are missing (Debian: qt6-l10n-tools)")
endif()
file(GLOB mirvo_ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/vantrel_*.ts)
set(mirvo_qm_files)
foreach(ts ${mirvo_ts_files})
  get_filename_component(n ${ts} NAME_WE)
  set(qm ${CMAKE_BINARY_DIR}/${n}.qm)
  add_custom_command(OUTPUT ${qm} COMMAND ${MIRVO_LRELEASE} -silent ${ts} -qm ${qm} DEPENDS ${ts}
    COMMENT "Compiling the translation ${n}" VERBATIM)
  list(APPEND mirvo_qm_files ${qm})
endforeach()
add_custom_target(mirvo_translations ALL DEPENDS ${mirvo_qm_files})
add_dependencies(mirvo mirvo_translations)
install(FILES ${mirvo_qm_files} DESTINATION ${MIRVO_INSTALL_DATADIR})
# lupdate reads the headers through the include folder, so that the texts of the classes of the
# namespace go into their own contexts ("mirvo::frmMain"), as tr() looks them up.
set(mirvo_translated_sources -I ${PROJECT_SOURCE_DIR}
  ${PROJECT_SOURCE_DIR}/ui ${PROJECT_SOURCE_DIR}/platform/qt ${PROJECT_SOURCE_DIR}/app/mirvo.cpp)
add_custom_target(mirvo_lupdate
  COMMAND ${MIRVO_LUPDATE} -silent -no-obsolete -locations none ${mirvo_translated_sources} -ts ${mirvo_ts_files}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)

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
    add_dependencies(${name} mirvo_translations)
    add_test(NAME ${name} COMMAND ${name})
    # The windows start in English whatever the locale of the machine that runs the tests.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANGUAGE=en" TIMEOUT 300)
  endforeach()
endfunction()

# Every text of the windows has a translation in every language, and no translation is left of a
# text the sources no longer have: lupdate run on a copy of each .ts file finds nothing to add.
function(mirvo_translation_test)
  add_test(NAME TranslationsComplete
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/translations/translations_complete.sh ${MIRVO_LUPDATE}
      ${CMAKE_CURRENT_BINARY_DIR}/translations-check ${mirvo_translated_sources} -- ${mirvo_ts_files})
endfunction()
