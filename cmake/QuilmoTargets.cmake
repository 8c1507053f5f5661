# Each subsystem folder builds its engines into one static library (Qt Core only,
# no widgets) and hands its window panels to the one GUI library.

# quilmo_engine(NAME src... [LIBS lib...]): the engine library quilmo_NAME.
function(quilmo_engine name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_library(quilmo_${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
  target_include_directories(quilmo_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(quilmo_${name} PUBLIC Qt6::Core ${ARG_LIBS})
  set_property(GLOBAL APPEND PROPERTY QUILMO_ENGINE_LIBS quilmo_${name})
endfunction()

# quilmo_panels(src...): window code of this folder, compiled into quilmo_gui.
function(quilmo_panels)
  foreach(src IN LISTS ARGN)
    set_property(GLOBAL APPEND PROPERTY QUILMO_GUI_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${src})
    # Listing the header too lets moc see a class that a build folder met after its first run.
    string(REGEX REPLACE "\\.cpp$" ".h" header ${CMAKE_CURRENT_SOURCE_DIR}/${src})
    if(EXISTS ${header})
      set_property(GLOBAL APPEND PROPERTY QUILMO_GUI_SOURCES ${header})
    endif()
  endforeach()
endfunction()

# What a test's window depends on, pinned so it lays out alike on every machine: the fonts
# of fonts-dejavu-core only, 96 dpi, Qt's Fusion style.
set(QUILMO_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;FONTCONFIG_FILE=${PROJECT_SOURCE_DIR}/tests/fonts.conf;QT_FONT_DPI=96;QT_STYLE_OVERRIDE=Fusion")

# quilmo_gtest(NAME src... LIBS lib...): an engine test run by CTest.
function(quilmo_gtest name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} quilmo_testsupport GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# quilmo_qtest(NAME src...): a window test (Qt Test, offscreen) run by CTest.
function(quilmo_qtest name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE quilmo_gui quilmo_testsupport Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${QUILMO_TEST_ENVIRONMENT}" TIMEOUT 120)
endfunction()

# quilmo_slow_tests(test...): labels tests of this folder `slow` (ctest -LE slow leaves
# them out). Discovered GoogleTest names exist only when CTest runs, so their labels are
# set from a file CTest reads after the discovered tests.
function(quilmo_slow_tests)
  set(file ${CMAKE_CURRENT_BINARY_DIR}/quilmo_slow_tests.cmake)
  set(text "")
  foreach(test IN LISTS ARGN)
    if(TEST ${test})
      set_property(TEST ${test} APPEND PROPERTY LABELS slow)
    else()
      string(APPEND text "set_tests_properties(\"${test}\" PROPERTIES LABELS slow)\n")
    endif()
  endforeach()
  file(WRITE ${file} "${text}")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()

# quilmo_install_gzipped(FILE DESTINATION): installs FILE.gz into DESTINATION, compressed
# at build time as Debian compresses documentation (-9, and -n: no name nor time stamp).
function(quilmo_install_gzipped file destination)
  get_filename_component(file ${file} ABSOLUTE)
  get_filename_component(name ${file} NAME)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${file}
    VERBATIM)
  add_custom_target(quilmo_gzip_${name} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()
