velnorit_widget_test(view_graph_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/redraw_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/value_scroll_bar_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/graph_harness.cpp
  LIBRARIES velnorit_view)
