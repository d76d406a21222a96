velnorit_benchmark(graph_bench
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/redraw_bench.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/graph_harness.cpp
  LIBRARIES velnorit_view)
