velnorit_benchmark(graph_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/redraw_bench.cpp
  LIBRARIES velnorit_shell)
target_compile_definitions(graph_bench PRIVATE
  VELNORIT_BENCH_SCREEN="${CMAKE_CURRENT_LIST_DIR}/offscreen-1920x1080.json")
