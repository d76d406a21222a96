# One-way layers, kept by the build: each layer compiles against an include
# folder of its own in the build tree that links to its own sources and to the
# layers below it, and to nothing else. Code includes "core/…", "view/…" as
# before; a header from a layer above (or a sibling) is simply not there, so
# such an #include fails to compile. The core links no Qt, so Qt's headers are
# not there either.
#   core <- lesson <- view <- tools <- shell;  core <- cli
set(VELNORIT_LAYER_core core)
set(VELNORIT_LAYER_lesson core lesson)
set(VELNORIT_LAYER_view core lesson view)
set(VELNORIT_LAYER_tools core lesson view tools)
set(VELNORIT_LAYER_shell core lesson view tools shell)
set(VELNORIT_LAYER_cli core cli)

set(VELNORIT_LAYER_ROOT ${PROJECT_BINARY_DIR}/layers)
foreach(layer core lesson view tools shell cli)
  set(folder ${VELNORIT_LAYER_ROOT}/${layer})
  # Afresh each configure, so that no link from an older table survives
  # (removing a folder of links removes the links, not what they point to).
  file(REMOVE_RECURSE ${folder})
  file(MAKE_DIRECTORY ${folder})
  foreach(visible IN LISTS VELNORIT_LAYER_${layer})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${visible} ${folder}/${visible} SYMBOLIC)
  endforeach()
endforeach()

# Gives TARGET the include folder of LAYER. PUBLIC: what links the target
# sees the same folder, and a layer only ever links layers below it, so no
# lower layer is handed an upper layer's folder.
function(velnorit_layer target layer)
  target_include_directories(${target} PUBLIC ${VELNORIT_LAYER_ROOT}/${layer})
endfunction()
