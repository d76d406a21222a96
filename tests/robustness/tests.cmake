# Robustness of the real window: a storm of random input.
velnorit_widget_test(event_storm_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/event_storm_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/event_storm.h
    ${CMAKE_CURRENT_LIST_DIR}/event_storm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/expected_list.h
    ${CMAKE_CURRENT_LIST_DIR}/expected_list.cpp
    ${CMAKE_CURRENT_LIST_DIR}/marker_texts.h
    ${CMAKE_CURRENT_LIST_DIR}/marker_texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modal_watch.h
    ${CMAKE_CURRENT_LIST_DIR}/modal_watch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/platform_notice_filter.h
    ${CMAKE_CURRENT_LIST_DIR}/platform_notice_filter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scroll_bar_parts.h
    ${CMAKE_CURRENT_LIST_DIR}/scroll_bar_parts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_mouse.h
    ${CMAKE_CURRENT_LIST_DIR}/window_mouse.cpp
  LIBRARIES velnorit_shell)
# Half a minute, about a minute under AddressSanitizer; the time-out leaves
# room for slower machines.
set_tests_properties(event_storm_tests PROPERTIES TIMEOUT 900)

# The memory of many redraws, in a process of its own.
velnorit_widget_test(redraw_memory_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/redraw_memory_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resident_memory.h
    ${CMAKE_CURRENT_LIST_DIR}/resident_memory.cpp
  LIBRARIES velnorit_shell)
