// The simulated radio's memory on disk: loading a start image and saving the
// memory when the simulator ends.
#pragma once

#include "sim/simulated_radio.h"

#include <string>

namespace vex::sim {

// Loads a raw 8192-byte image. False (image untouched) when the file cannot
// be read or has another size; `error` says why.
bool LoadImageFile(const std::string& path, Image& image, std::string& error);
// Writes the image to a temporary file beside `path` and renames it over
// `path`, so a reader never sees a half-written file.
bool SaveImageFile(const std::string& path, const Image& image, std::string& error);

}  // namespace vex::sim
