velnorit_widget_test(view_surface_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/drawing_surface_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lesson_file_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/sample_lessons.cpp
  LIBRARIES velnorit_view)
target_compile_definitions(view_surface_tests PRIVATE VELNORIT_LESSON_CORPUS="${PROJECT_SOURCE_DIR}/tests/fuzz/corpus")
