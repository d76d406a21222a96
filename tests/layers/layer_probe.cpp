// One #include, named by LAYER_PROBE_HEADER: compiled with a layer's include
// folders to show what that layer can and cannot see.
#include LAYER_PROBE_HEADER
