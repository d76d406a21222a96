# Real-window tests: driver programs that start the real program under Xvfb,
# give it real X input through xdotool and judge the screen, the clipboard
# and the process from outside.
add_library(acceptance_support STATIC
  ${CMAKE_CURRENT_LIST_DIR}/check_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clipboard_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixel_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_under_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screen_capture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x_input.cpp)
target_link_libraries(acceptance_support PUBLIC Qt6::Gui)
