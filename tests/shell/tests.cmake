# A helper program that saves the X screen as a PNG (real-window tests under Xvfb).
add_executable(grab_screen ${PROJECT_SOURCE_DIR}/tests/support/grab_screen.cpp)
target_link_libraries(grab_screen PRIVATE Qt6::Gui)

velnorit_widget_test(shell_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/form1_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/accessibility_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/handbook_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layout_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/runtime_error_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_files_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recovery_copies_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/target_dialog_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/run_process.cpp
  LIBRARIES velnorit_shell velnorit_handbook)
target_compile_definitions(shell_tests PRIVATE VELNORIT_LISTE_PATH="$<TARGET_FILE:velnorit-liste>")
add_dependencies(shell_tests velnorit-liste)

# "Präsentation", once on the usual screen and once with a second screen
# beside it, as a projector beside a laptop.
velnorit_widget_test(presentation_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/presentation_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/tools/tools_window.h
    ${PROJECT_SOURCE_DIR}/tests/tools/tools_window.cpp
  LIBRARIES velnorit_shell)
add_test(NAME presentation_tests_two_screens COMMAND presentation_tests)
set_tests_properties(presentation_tests_two_screens PROPERTIES SKIP_RETURN_CODE ${VELNORIT_SKIP_RETURN_CODE} ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/offscreen-two-screens.json;QT_QPA_OFFSCREEN_NO_GLX=1;QT_ENABLE_HIGHDPI_SCALING=0;VELNORIT_TEST_OUTPUT=${CMAKE_BINARY_DIR};XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-state")

add_test(NAME real_window_test
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/real_window_test.sh
          $<TARGET_FILE:velnorit> $<TARGET_FILE:grab_screen> ${CMAKE_BINARY_DIR}/velnorit-1024x768.png)
# Under a German locale, as a teacher sees it: the screenshot is the one in the README.
# One real-window test at a time (see velnorit_real_window_scenario).
set_tests_properties(real_window_test PROPERTIES TIMEOUT 60 ENVIRONMENT "LC_ALL=de_DE.UTF-8"
  RESOURCE_LOCK velnorit_xvfb_display)

velnorit_test(shell_command_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/command_line_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/run_process.cpp
  LIBRARIES velnorit_shell GTest::gtest_main)
target_compile_definitions(shell_command_tests PRIVATE VELNORIT_PROGRAM_PATH="$<TARGET_FILE:velnorit>")
add_dependencies(shell_command_tests velnorit)

# The running program as a screen reader reads it, through AT-SPI on a
# private session bus under Xvfb (German locale set by the script).
add_test(NAME screen_reader_test
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/screen_reader_test.sh
          $<TARGET_FILE:velnorit> ${CMAKE_CURRENT_LIST_DIR}/screen_reader_check.py)
set_tests_properties(screen_reader_test PROPERTIES TIMEOUT 120 RESOURCE_LOCK velnorit_xvfb_display)
