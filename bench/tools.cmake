velnorit_benchmark(tools_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/pointer_tools_bench.cpp LIBRARIES velnorit_shell)
target_compile_definitions(tools_bench PRIVATE
  VELNORIT_FULL_HD_SCREEN="${CMAKE_CURRENT_LIST_DIR}/offscreen-1920x1080.json")
