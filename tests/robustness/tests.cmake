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
add_test(NAME redraw_memory_tests_1920x1080
  COMMAND redraw_memory_tests --gtest_filter=RedrawMemory.ThreeHundredUndoableStepsStayUnder120Megabytes)
set_tests_properties(redraw_memory_tests_1920x1080 PROPERTIES SKIP_RETURN_CODE ${VELNORIT_SKIP_RETURN_CODE} ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/screens/offscreen-1920x1080.json;QT_QPA_OFFSCREEN_NO_GLX=1;QT_ENABLE_HIGHDPI_SCALING=0;XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-state")

# The window on screens from 640 x 480 to 3840 x 2160 and at a device-pixel
# ratio of 2: the same program once per screen; screen_tests itself runs on
# the usual 1024 x 768 screen.
velnorit_widget_test(screen_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/screen_test.cpp
  LIBRARIES velnorit_shell)
foreach(screen 640x480 800x600 1920x1080 3840x2160 1920x1080-dpr2)
  add_test(NAME screen_tests_${screen} COMMAND screen_tests)
  set_tests_properties(screen_tests_${screen} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/screens/offscreen-${screen}.json;QT_QPA_OFFSCREEN_NO_GLX=1;QT_ENABLE_HIGHDPI_SCALING=0;XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-state")
endforeach()
