#include "sim/image_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include <unistd.h>

namespace vex::sim {

bool LoadImageFile(const std::string& path, Image& image, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::vector<char> bytes;
    bytes.reserve(image.size() + 1);
    // Read at most one byte beyond an image, enough to tell a wrong size.
    char c;
    while (bytes.size() <= image.size() && in.get(c)) bytes.push_back(c);
    if (bytes.size() != image.size()) {
        error = path + " is not an 8192-byte image";
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return true;
}

bool SaveImageFile(const std::string& path, const Image& image, std::string& error) {
    const std::string temp = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            error = "cannot write " + temp;
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        error = "cannot replace " + path;
        return false;
    }
    return true;
}

}  // namespace vex::sim
