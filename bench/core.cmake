velnorit_benchmark(core_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/scan_bench.cpp
  LIBRARIES velnorit_core benchmark::benchmark_main)
