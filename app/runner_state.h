// The runner's state file: every value the game keeps, written as one JSON object after a tick.
#pragma once

#include <string>

#include "platform/headless/headless_backend.h"

// Writes the game's globals, pool, text queue, lights, pop-ups and the sounds the backend
// recorded in the last tick. Game strings (Windows-1252) are written as UTF-8. False when the
// file cannot be written.
bool WriteStateJson(const std::string& path, const HeadlessBackend& backend);
