velnorit_benchmark(core_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/scan_bench.cpp
  LIBRARIES velnorit_core benchmark::benchmark_main)

velnorit_benchmark(far_records_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/far_records_bench.cpp
  LIBRARIES velnorit_far benchmark::benchmark_main)
