velnorit_benchmark(view_surface_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/drawing_surface_bench.cpp LIBRARIES velnorit_view Qt6::Widgets)
