velnorit_widget_test(view_surface_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/drawing_surface_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/presentation_view_test.cpp
  LIBRARIES velnorit_view)
