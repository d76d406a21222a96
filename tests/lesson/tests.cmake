# The lesson file on its own: Qt Core only, no display.
velnorit_test(lesson_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/lesson_file_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/sample_lessons.cpp
  LIBRARIES velnorit_lesson GTest::gtest_main)
target_compile_definitions(lesson_tests PRIVATE VELNORIT_LESSON_CORPUS="${PROJECT_SOURCE_DIR}/tests/fuzz/corpus")
