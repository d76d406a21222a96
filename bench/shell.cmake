velnorit_benchmark(startup_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp
  LIBRARIES velnorit_shell)
target_compile_definitions(startup_bench PRIVATE
  VELNORIT_BENCH_SCREEN="${CMAKE_CURRENT_LIST_DIR}/offscreen-1920x1080.json")
