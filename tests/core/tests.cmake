velnorit_test(core_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/number_format_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_reading_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/integer_rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/target_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scan_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scan_property_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/result_list_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/continued_fraction_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/graph_description_test.cpp
  LIBRARIES velnorit_core velnorit_far PkgConfig::GMPXX GTest::gtest_main)
