// stb's image reader and writer, with the warnings our build treats as errors silenced for them.
// A file that defines STB_IMAGE_IMPLEMENTATION or STB_IMAGE_WRITE_IMPLEMENTATION includes this
// first.
#pragma once

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-conversion"
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image.h>
#include <stb_image_write.h>
#pragma GCC diagnostic pop
