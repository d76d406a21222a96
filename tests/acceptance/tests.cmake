# Real-window tests: driver programs that start the real program under Xvfb,
# give it real X input through xdotool and judge the screen, the clipboard
# and the process from outside.
add_library(acceptance_support STATIC
  ${CMAKE_CURRENT_LIST_DIR}/check_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clipboard_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/common_steps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/formula_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graph_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graph_on_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixel_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_under_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/readout_field.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screen_capture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x_input.cpp)
target_link_libraries(acceptance_support PUBLIC Qt6::Gui)

# A scenario: its driver program and a ctest entry that runs it on a fresh
# X server of 1024 x 768 (or SCREEN, e.g. 1920x1080x24); screenshots land in
# the build folder.
function(velnorit_real_window_scenario name)
  cmake_parse_arguments(ARG "" "SCREEN" "" ${ARGN})
  add_executable(${name} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${name}.cpp)
  target_link_libraries(${name} PRIVATE acceptance_support)
  add_test(NAME ${name}
    COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/run_in_xvfb.sh
            $<TARGET_FILE:${name}> $<TARGET_FILE:velnorit> ${CMAKE_BINARY_DIR})
  # xvfb-run -a picks its display number by looking for a free one, which two
  # X servers starting at once can both pick: one real-window test at a time.
  set_tests_properties(${name} PROPERTIES TIMEOUT 120 RESOURCE_LOCK velnorit_xvfb_display)
  if(ARG_SCREEN)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "VELNORIT_XVFB_SCREEN=${ARG_SCREEN}")
  endif()
endfunction()

velnorit_real_window_scenario(acceptance_scenario)
velnorit_real_window_scenario(tools_scenario)
velnorit_real_window_scenario(list_scenario SCREEN 1920x1080x24)
velnorit_real_window_scenario(extras_scenario)
velnorit_real_window_scenario(lesson_file_scenario)
velnorit_real_window_scenario(document_scenario)
velnorit_real_window_scenario(teaching_scenario SCREEN 1280x800x24)
velnorit_real_window_scenario(presentation_scenario)
# In the locale a teacher has: it checks that nothing reaches standard error.
set_tests_properties(presentation_scenario PROPERTIES ENVIRONMENT "LC_ALL=de_DE.UTF-8")
add_dependencies(teaching_scenario velnorit-liste)
# The desktop entry as installed, launched with a file for its %f.
target_compile_definitions(lesson_file_scenario PRIVATE
  VELNORIT_DESKTOP_ENTRY="${PROJECT_SOURCE_DIR}/data/org.velnorit.Velnorit.desktop")
