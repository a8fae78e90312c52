#include "sim/image_file.h"

#include "config/file_replace.h"

#include <algorithm>
#include <string_view>

namespace vex::sim {

bool LoadImageFile(const std::string& path, Image& image, std::string& error) {
    std::string bytes;
    if (!ReadWholeFile(path, image.size(), bytes) || bytes.size() != image.size()) {
        error = path + " is not a readable 8192-byte image";
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return true;
}

bool SaveImageFile(const std::string& path, const Image& image, std::string& error) {
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (ReplaceFileContent(path, bytes)) return true;
    error = "cannot write " + path;
    return false;
}

}  // namespace vex::sim
