// The picture decoder the game uses, compiled into the picture-loader target so
// the sanitizers and the fuzzer's coverage see inside it. Its symbols take the
// place of the system libstb's for this program.

#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
