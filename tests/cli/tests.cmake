velnorit_test(cli_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/liste_command_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/run_process.cpp
  LIBRARIES GTest::gtest_main)
target_compile_definitions(cli_tests PRIVATE VELNORIT_LISTE_PATH="$<TARGET_FILE:velnorit-liste>")
add_dependencies(cli_tests velnorit-liste)
target_compile_definitions(cli_tests PRIVATE VELNORIT_VERSION="${PROJECT_VERSION}")

# The csv and json forms read by Python's own modules.
add_test(NAME liste_record_data_test
  COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/record_data_test.py $<TARGET_FILE:velnorit-liste>)
