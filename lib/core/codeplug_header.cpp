#include "core/codeplug_header.h"

#include "core/data_version.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace vex {

using namespace codeplug;

namespace {

void PutU32(CodeplugHeader::Bytes& b, std::size_t offset, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) b[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::string TrimTrailingBlanks(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// Reads an optionally signed decimal number at the front of `text`, as %d
// does after skipping leading white space.
bool ScanInt(std::string_view& text, int& out) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    text.remove_prefix(i);
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, out);
    if (ec != std::errc()) return false;
    text.remove_prefix(static_cast<std::size_t>(ptr - text.data()));
    return true;
}

// The two edges of a range text "lo-hi"; what does not scan reads as 0.
struct Edges {
    int low = 0;
    int high = 0;
};

Edges ParseEdges(std::string_view text) {
    Edges edges;
    if (!ScanInt(text, edges.low)) return edges;
    if (text.empty() || text.front() != '-') return edges;
    text.remove_prefix(1);
    ScanInt(text, edges.high);
    return edges;
}

CodeplugHeader BuildHeader(const ModelState& state, std::string_view versionA,
                           std::string_view versionB, std::uint8_t rangeFlags) {
    CodeplugHeader header;
    auto& b = header.bytes();
    std::copy(kHeaderTag.begin(), kHeaderTag.end(), b.begin());
    PutU32(b, kHeaderLength, kHeaderSize);
    header.setText(kModelId, state.modelId);
    header.setText(kModelName, state.modelName);
    const Edges edges = ParseEdges(state.freqRange);
    header.setWord(kRangeLow, edges.low);
    header.setWord(kRangeHigh, edges.high);
    header.setText(kVersionA, versionA);
    header.setText(kVersionB, versionB);
    b[kRangeFlags] = rangeFlags;
    b[kSignalling] = static_cast<std::uint8_t>(state.signal);
    return header;
}

}  // namespace

bool CodeplugHeader::hasTag() const {
    return std::equal(kHeaderTag.begin(), kHeaderTag.end(), bytes_.begin());
}

std::string CodeplugHeader::rangeText() const {
    return std::to_string(rangeLow()) + "-" + std::to_string(rangeHigh());
}

int CodeplugHeader::compareVersionA(std::string_view reference) const {
    std::uint8_t ref[4]{};
    std::memcpy(ref, reference.data(), std::min<std::size_t>(reference.size(), 4));
    return std::memcmp(bytes_.data() + kVersionA, ref, 4);
}

std::string CodeplugHeader::text(std::size_t offset) const {
    const auto* first = bytes_.data() + offset;
    const auto* end = std::find(first, first + kTextFieldSize, 0);
    return std::string(first, end);
}

void CodeplugHeader::setText(std::size_t offset, std::string_view value) {
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), kTextFieldSize, 0);
    const std::size_t n = std::min(value.size(), kTextFieldSize - 1);
    std::memcpy(bytes_.data() + offset, value.data(), n);
}

int CodeplugHeader::word(std::size_t offset) const {
    return bytes_[offset] | (bytes_[offset + 1] << 8);
}

void CodeplugHeader::setWord(std::size_t offset, int value) {
    bytes_[offset] = static_cast<std::uint8_t>(value);
    bytes_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

CodeplugHeader BuildSaveHeader(const ModelState& state) {
    return BuildHeader(state, kProgramDataVersion, state.dataVersion, 0);
}

CodeplugHeader BuildSaveAsHeader(const ModelState& state, std::uint8_t rangeFlags) {
    return BuildHeader(state, state.dataVersion, kProgramDataVersion, rangeFlags);
}

HeaderPreview PreviewOf(const CodeplugHeader& header) {
    HeaderPreview preview;
    preview.range = std::to_string(header.rangeLow()) + " - " + std::to_string(header.rangeHigh()) + "MHz";
    preview.modelName = TrimTrailingBlanks(header.modelName());
    preview.firmwareVersion = TrimTrailingBlanks(header.versionA().substr(0, 7));
    return preview;
}

}  // namespace vex
