#include "core/codeplug_writer.h"

#include "core/codeplug_format.h"
#include "core/codeplug_reader.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vex {

using namespace codeplug;

namespace {

void AppendBlock(std::vector<std::uint8_t>& out, const Tag& tag, std::span<const std::uint8_t> data) {
    out.insert(out.end(), tag.begin(), tag.end());
    const auto length = static_cast<std::uint32_t>(data.size());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    out.insert(out.end(), data.begin(), data.end());
}

std::vector<std::uint8_t> FileBytes(const CodeplugHeader& header, std::span<const std::uint8_t> spare,
                                    std::span<const std::uint8_t> image, std::string_view comment) {
    std::vector<std::uint8_t> out;
    out.reserve(kFileSizeWithoutComment + comment.size() + spare.size());
    out.insert(out.end(), kMagic.begin(), kMagic.end());
    out.insert(out.end(), header.bytes().begin(), header.bytes().end());
    const auto* text = reinterpret_cast<const std::uint8_t*>(comment.data());
    AppendBlock(out, kCommentTag, {text, comment.size()});
    AppendBlock(out, kSpareTag, spare);
    AppendBlock(out, kImageTag, image);
    return out;
}

// A symbolic link is followed so that saving replaces the file it names,
// not the link.
std::string ResolveTarget(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        auto target = std::filesystem::canonical(path, ec);
        if (!ec) return target.string();
    }
    return path;
}

mode_t NewFileMode(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a failure here does not undo the write.
void SyncDirectoryOf(const std::filesystem::path& target) {
    const std::string dir = target.has_parent_path() ? target.parent_path().string() : ".";
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool WriteCodeplugFile(const std::string& path, const CodeplugHeader& header,
                       std::span<const std::uint8_t> spare, std::span<const std::uint8_t> image,
                       std::string_view comment) {
    if (path.empty()) return false;
    const std::string target = ResolveTarget(path);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) return false;

    std::string kept;
    if (comment.empty() && ReadCodeplugComment(target, kept)) comment = kept;
    const std::vector<std::uint8_t> bytes = FileBytes(header, spare, image, comment);

    const std::filesystem::path targetPath(target);
    std::string temp = (targetPath.parent_path() / ("." + targetPath.filename().string() + ".XXXXXX")).string();
    if (!targetPath.has_parent_path()) temp = "." + targetPath.filename().string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;

    bool ok = ::fchmod(fd, NewFileMode(target)) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncDirectoryOf(targetPath);
    return true;
}

}  // namespace vex
