velnorit_benchmark(view_surface_bench WIDGETS SOURCES ${CMAKE_CURRENT_LIST_DIR}/drawing_surface_bench.cpp LIBRARIES velnorit_view)
velnorit_benchmark(lesson_file_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/lesson_file_bench.cpp ${PROJECT_SOURCE_DIR}/tests/support/sample_lessons.cpp
  LIBRARIES velnorit_view)
