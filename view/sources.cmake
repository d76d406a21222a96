# Files of the graph view.

# The drawing surface: user coordinates, retained drawing, decorations.
target_sources(velnorit_view PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/colors.h
  ${CMAKE_CURRENT_LIST_DIR}/drawing_surface.h
  ${CMAKE_CURRENT_LIST_DIR}/drawing_surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/surface_children.cpp
  ${CMAKE_CURRENT_LIST_DIR}/surface_decorations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/retained_drawing.h
  ${CMAKE_CURRENT_LIST_DIR}/retained_drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixel_geometry.h
  ${CMAKE_CURRENT_LIST_DIR}/pixel_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/surface_fonts.h
  ${CMAKE_CURRENT_LIST_DIR}/surface_fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/number_glyphs.h
  ${CMAKE_CURRENT_LIST_DIR}/number_glyphs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_op_painter.h
  ${CMAKE_CURRENT_LIST_DIR}/draw_op_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pointer_shapes.h
  ${CMAKE_CURRENT_LIST_DIR}/pointer_shapes.cpp
)

# Controls, handlers and redraw.
target_sources(velnorit_view PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/graph_window.h
  ${CMAKE_CURRENT_LIST_DIR}/value_scroll_bar.h
  ${CMAKE_CURRENT_LIST_DIR}/value_scroll_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/accessible_controls.h
  ${CMAKE_CURRENT_LIST_DIR}/accessible_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_boxes.h
  ${CMAKE_CURRENT_LIST_DIR}/text_boxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/regional_numbers.h
  ${CMAKE_CURRENT_LIST_DIR}/regional_numbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_controls.h
  ${CMAKE_CURRENT_LIST_DIR}/graph_view.h
  ${CMAKE_CURRENT_LIST_DIR}/parameter_handlers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_scales.cpp
  ${CMAKE_CURRENT_LIST_DIR}/redraw_listener.h
  ${CMAKE_CURRENT_LIST_DIR}/view_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/approximant_marks.h
  ${CMAKE_CURRENT_LIST_DIR}/approximant_marks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/redraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/redraw_trace.h
  ${CMAKE_CURRENT_LIST_DIR}/redraw_trace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graph_picture.h
  ${CMAKE_CURRENT_LIST_DIR}/graph_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/worksheet.cpp
)

# The magnified view of the graph for the projector, and its large labels.
target_sources(velnorit_view PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/presentation_view.h
  ${CMAKE_CURRENT_LIST_DIR}/presentation_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/large_label.h
  ${CMAKE_CURRENT_LIST_DIR}/large_label.cpp
)

# The board of a lesson file taken from the graph's drawing and drawn on it again.
target_sources(velnorit_view PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/board_ops.h
  ${CMAKE_CURRENT_LIST_DIR}/board_ops.cpp
)
