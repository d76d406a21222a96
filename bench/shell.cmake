velnorit_benchmark(startup_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp LIBRARIES velnorit_shell)
