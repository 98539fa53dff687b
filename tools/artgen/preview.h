// artgen's contact sheet: every sheet of the game enlarged on one PNG.
#pragma once

#include <string>

// Writes the contact sheet; false when the file cannot be written.
bool WritePreview(const std::string& path);
