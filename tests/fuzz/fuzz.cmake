# The fuzz build (-DVELNORIT_FUZZ=ON with clang++): only the lesson reader and
# writer and QtCore, built with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer. scripts/fuzz configures and runs it.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui)
set(VELNORIT_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
add_executable(lesson_fuzz
  ${CMAKE_CURRENT_LIST_DIR}/lesson_fuzz.cpp
  ${PROJECT_SOURCE_DIR}/view/lesson_file.cpp
  ${PROJECT_SOURCE_DIR}/view/lesson_reader.cpp
  ${PROJECT_SOURCE_DIR}/view/lesson_writer.cpp)
target_include_directories(lesson_fuzz PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
target_compile_options(lesson_fuzz PRIVATE ${VELNORIT_FUZZ_FLAGS})
target_link_options(lesson_fuzz PRIVATE ${VELNORIT_FUZZ_FLAGS})
# Gui only for the colour helpers' header that the drawing's types include.
target_include_directories(lesson_fuzz PRIVATE $<TARGET_PROPERTY:Qt6::Gui,INTERFACE_INCLUDE_DIRECTORIES>)
target_link_libraries(lesson_fuzz PRIVATE Qt6::Core)
