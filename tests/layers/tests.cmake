# The layers are one-way by the build (cmake/layers.cmake). For each edge
# that must not exist, a probe compiled exactly as the lower layer compiles
# includes a header of the upper layer (or Qt, for the core and the list
# command) and must fail because that header is not found. Edges that must
# exist compile, so that a probe cannot fail for some other reason unnoticed.
# The probes are left out of the normal build; each test builds its own.

# A header that stands for each layer, as an #include names it.
set(layer_header_core [["core/target.h"]])
set(layer_header_lesson [["lesson/lesson.h"]])
set(layer_header_view [["view/graph_view.h"]])
set(layer_header_tools [["tools/pointer_tools.h"]])
set(layer_header_shell [["shell/form1.h"]])
set(layer_header_cli [["cli/record_list.h"]])
set(layer_header_qt "<QString>")
# Qt's graphical and widget modules, which the lesson file does without.
set(layer_header_gui "<QColor>")
set(layer_header_widgets "<QWidget>")
# The library each layer's sources are compiled in.
set(layer_library_core velnorit_core)
set(layer_library_lesson velnorit_lesson)
set(layer_library_view velnorit_view)
set(layer_library_tools velnorit_tools)
set(layer_library_shell velnorit_shell)
set(layer_library_cli velnorit_cli_lib)

# layer:what-it-includes
set(forbidden_edges
  core:qt core:lesson core:view core:tools core:shell core:cli
  lesson:gui lesson:widgets lesson:view lesson:tools lesson:shell lesson:cli
  view:tools view:shell view:cli
  tools:shell tools:cli
  shell:cli
  cli:qt cli:lesson cli:view cli:tools cli:shell)
set(allowed_edges lesson:core lesson:qt view:lesson view:core tools:view shell:tools cli:core)

foreach(edge IN LISTS forbidden_edges allowed_edges)
  string(REPLACE ":" ";" parts ${edge})
  list(GET parts 0 layer)
  list(GET parts 1 used)
  set(probe layer_probe_${layer}_${used})
  add_library(${probe} OBJECT EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/layer_probe.cpp)
  # Only what the layer's library hands on, not the tests' view of everything.
  set_property(TARGET ${probe} PROPERTY INCLUDE_DIRECTORIES "")
  target_link_libraries(${probe} PRIVATE ${layer_library_${layer}})
  target_compile_definitions(${probe} PRIVATE "LAYER_PROBE_HEADER=${layer_header_${used}}")
  if(edge IN_LIST allowed_edges)
    set(test layer_${layer}_includes_${used})
  else()
    set(test layer_${layer}_cannot_include_${used})
  endif()
  add_test(NAME ${test} COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target ${probe})
  # One build at a time in the build folder.
  set_tests_properties(${test} PROPERTIES LABELS layers RESOURCE_LOCK velnorit_build_folder)
  if(NOT edge IN_LIST allowed_edges)
    # The compiler's "not found" (g++ or clang++) for exactly that header.
    string(REGEX REPLACE "[<>\"]" "" header ${layer_header_${used}})
    string(REPLACE "." "\\." header ${header})
    set_tests_properties(${test} PROPERTIES
      PASS_REGULAR_EXPRESSION "${header}'?:? (No such file or directory|file not found)")
  endif()
endforeach()
