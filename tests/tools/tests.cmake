velnorit_widget_test(tools_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tools_window.h
    ${CMAKE_CURRENT_LIST_DIR}/tools_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pointer_readout_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/blackboard_tools_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/slope_tool_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/undo_history_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lesson_board_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keyboard_cursor_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/graph_cursor_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/teaching_aids_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/sample_lessons.cpp
  LIBRARIES velnorit_shell)
