// Frames for the runner: the last flipped picture written as a PNG file.
#pragma once

#include <string>

#include "platform/surface.h"

// Writes the surface as an 8-bit RGB PNG; each 16-bit pixel is widened by repeating its top bits,
// so full white stays 255. False when the file cannot be written.
bool WriteFramePng(const std::string& path, const PictureSurface& frame);
