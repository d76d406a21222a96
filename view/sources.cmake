# Files of the graph view; each part of the view adds its own.

# The drawing surface: user coordinates, retained drawing, decorations.
target_sources(velnorit_view PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/colors.h
  ${CMAKE_CURRENT_SOURCE_DIR}/retained_drawing.h
  ${CMAKE_CURRENT_SOURCE_DIR}/retained_drawing.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pixel_geometry.h
  ${CMAKE_CURRENT_SOURCE_DIR}/pixel_geometry.cpp
)
