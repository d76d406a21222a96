# Files of the graph view.
target_sources(velnorit_view PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/colors.h
  ${CMAKE_CURRENT_LIST_DIR}/value_scroll_bar.h
  ${CMAKE_CURRENT_LIST_DIR}/value_scroll_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_boxes.h
  ${CMAKE_CURRENT_LIST_DIR}/text_boxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/regional_numbers.h
  ${CMAKE_CURRENT_LIST_DIR}/regional_numbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graph_controls.h
  ${CMAKE_CURRENT_LIST_DIR}/graph_view.h
  ${CMAKE_CURRENT_LIST_DIR}/parameter_handlers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_scales.cpp
  ${CMAKE_CURRENT_LIST_DIR}/approximant_marks.h
  ${CMAKE_CURRENT_LIST_DIR}/approximant_marks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/redraw.cpp
)
