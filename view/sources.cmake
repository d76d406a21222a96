# Files of the graph view; each part of the view adds its own.

# The drawing surface: user coordinates, retained drawing, decorations.
target_sources(velnorit_view PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/colors.h
  ${CMAKE_CURRENT_SOURCE_DIR}/drawing_surface.h
  ${CMAKE_CURRENT_SOURCE_DIR}/drawing_surface.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/surface_children.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/surface_decorations.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/retained_drawing.h
  ${CMAKE_CURRENT_SOURCE_DIR}/retained_drawing.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pixel_geometry.h
  ${CMAKE_CURRENT_SOURCE_DIR}/pixel_geometry.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/surface_fonts.h
  ${CMAKE_CURRENT_SOURCE_DIR}/surface_fonts.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/number_glyphs.h
  ${CMAKE_CURRENT_SOURCE_DIR}/number_glyphs.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/draw_op_painter.h
  ${CMAKE_CURRENT_SOURCE_DIR}/draw_op_painter.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pointer_shapes.h
  ${CMAKE_CURRENT_SOURCE_DIR}/pointer_shapes.cpp
)
