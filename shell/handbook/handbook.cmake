# The handbook at F1: German HTML pages and pictures compiled into the
# program as the resource ":/handbuch". The pictures are made during the
# build by make_pictures, which starts the window offscreen and paints it
# with the program's own drawing, so the handbook never shows an old window.
set(VELNORIT_HANDBOOK_SOURCE ${CMAKE_CURRENT_LIST_DIR})
set(VELNORIT_HANDBOOK_BUILD ${CMAKE_CURRENT_BINARY_DIR}/handbuch)
set(VELNORIT_HANDBOOK_PICTURES fenster.png graph.png tafel.png)
list(TRANSFORM VELNORIT_HANDBOOK_PICTURES PREPEND ${VELNORIT_HANDBOOK_BUILD}/ OUTPUT_VARIABLE handbook_picture_paths)

add_executable(velnorit_handbook_pictures ${VELNORIT_HANDBOOK_SOURCE}/make_pictures.cpp)
target_link_libraries(velnorit_handbook_pictures PRIVATE velnorit_shell)

# On a fixed offscreen screen of 1024 x 768 at 96 dpi, whatever the machine
# has; the state folder (a recovery copy, were one written) in the build tree.
# A tool of the build, not a test: in the sanitizer build the leaks that
# system libraries keep at its end do not stop the build.
add_custom_command(
  OUTPUT ${handbook_picture_paths}
  COMMAND ${CMAKE_COMMAND} -E env
          "QT_QPA_PLATFORM=offscreen:configfile=${VELNORIT_HANDBOOK_SOURCE}/offscreen-1024x768.json"
          QT_QPA_OFFSCREEN_NO_GLX=1 QT_ENABLE_HIGHDPI_SCALING=0 QT_SCALE_FACTOR=1
          XDG_STATE_HOME=${VELNORIT_HANDBOOK_BUILD}/state ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:velnorit_handbook_pictures> ${VELNORIT_HANDBOOK_BUILD}
  DEPENDS velnorit_handbook_pictures ${VELNORIT_HANDBOOK_SOURCE}/offscreen-1024x768.json
  COMMENT "Bilder des Handbuchs"
  VERBATIM)

# The resource file, naming the pages in the source folder and the pictures
# in the build folder.
set(handbook_qrc ${VELNORIT_HANDBOOK_BUILD}/handbuch.qrc)
set(handbook_entries "")
foreach(page index.html)
  string(APPEND handbook_entries "    <file alias=\"${page}\">${VELNORIT_HANDBOOK_SOURCE}/${page}</file>\n")
endforeach()
foreach(picture IN LISTS VELNORIT_HANDBOOK_PICTURES)
  string(APPEND handbook_entries "    <file alias=\"${picture}\">${VELNORIT_HANDBOOK_BUILD}/${picture}</file>\n")
endforeach()
file(GENERATE OUTPUT ${handbook_qrc} CONTENT
  "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/handbuch\">\n${handbook_entries}  </qresource>\n</RCC>\n")

# Format 1 keeps no file times, so two builds give the same bytes.
set(handbook_cpp ${VELNORIT_HANDBOOK_BUILD}/qrc_handbuch.cpp)
add_custom_command(
  OUTPUT ${handbook_cpp}
  COMMAND Qt6::rcc --name handbuch --format-version 1 --output ${handbook_cpp} ${handbook_qrc}
  DEPENDS ${handbook_qrc} ${VELNORIT_HANDBOOK_SOURCE}/index.html ${handbook_picture_paths}
  COMMENT "Handbuch als Ressource"
  VERBATIM)

# Objects, not a static library: the resource registers itself when the
# program starts, which needs its object file linked in whole.
add_library(velnorit_handbook OBJECT ${handbook_cpp})
target_link_libraries(velnorit_handbook PRIVATE Qt6::Core)
