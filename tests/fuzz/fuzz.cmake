# The fuzz build (-DVELNORIT_FUZZ=ON with clang++): the lesson library alone,
# built with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, and
# the target that links it and nothing else. scripts/fuzz configures and runs it.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core)
set(VELNORIT_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
# The library itself without the fuzzer's main: only the target brings it.
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
include(${PROJECT_SOURCE_DIR}/cmake/layers.cmake)
add_subdirectory(${PROJECT_SOURCE_DIR}/lesson ${PROJECT_BINARY_DIR}/lesson)
add_executable(lesson_fuzz ${CMAKE_CURRENT_LIST_DIR}/lesson_fuzz.cpp)
target_compile_options(lesson_fuzz PRIVATE ${VELNORIT_FUZZ_FLAGS})
target_link_options(lesson_fuzz PRIVATE ${VELNORIT_FUZZ_FLAGS})
target_link_libraries(lesson_fuzz PRIVATE velnorit_lesson)
