# Files of the pointer tools.
target_sources(velnorit_tools PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/pointer_tools.h
  ${CMAKE_CURRENT_LIST_DIR}/pointer_tools.cpp
  ${CMAKE_CURRENT_LIST_DIR}/blackboard_tools.cpp
  ${CMAKE_CURRENT_LIST_DIR}/slope_tool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pointer_readout.h
  ${CMAKE_CURRENT_LIST_DIR}/pointer_readout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/undo_history.h
  ${CMAKE_CURRENT_LIST_DIR}/undo_history.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keyboard_cursor.h
  ${CMAKE_CURRENT_LIST_DIR}/keyboard_cursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cursor_marker.h
  ${CMAKE_CURRENT_LIST_DIR}/cursor_marker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graph_pan.h
  ${CMAKE_CURRENT_LIST_DIR}/graph_pan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graph_cursor.h
  ${CMAKE_CURRENT_LIST_DIR}/graph_cursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/step_reveal.h
  ${CMAKE_CURRENT_LIST_DIR}/step_reveal.cpp
)
