velnorit_benchmark(graph_bench WIDGETS SOURCES ${CMAKE_CURRENT_LIST_DIR}/redraw_bench.cpp LIBRARIES velnorit_shell)
