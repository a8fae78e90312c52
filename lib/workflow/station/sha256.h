// The SHA-256 digest of bytes, as 64 lower-case hexadecimal digits.
#pragma once

#include <cstdint>
#include <span>
#include <string>

struct evp_md_ctx_st;

namespace vex {

class Sha256 {
 public:
  Sha256();
  ~Sha256();
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;

  void add(std::span<const std::uint8_t> bytes);
  // The digest of everything added; the object is spent after.
  std::string hex();

 private:
  evp_md_ctx_st* context_;
};

std::string Sha256Hex(std::span<const std::uint8_t> bytes);

}  // namespace vex
