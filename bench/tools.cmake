velnorit_benchmark(tools_bench WIDGETS SOURCES ${CMAKE_CURRENT_LIST_DIR}/pointer_tools_bench.cpp LIBRARIES velnorit_shell)
velnorit_benchmark(extras_bench WIDGETS
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/extras_bench.cpp ${PROJECT_SOURCE_DIR}/tests/support/sample_lessons.cpp
  LIBRARIES velnorit_shell)
velnorit_benchmark(teaching_bench WIDGETS SOURCES ${CMAKE_CURRENT_LIST_DIR}/teaching_bench.cpp LIBRARIES velnorit_shell)
velnorit_benchmark(presentation_bench WIDGETS SOURCES ${CMAKE_CURRENT_LIST_DIR}/presentation_bench.cpp LIBRARIES velnorit_shell)
