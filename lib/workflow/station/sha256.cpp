#include "workflow/station/sha256.h"

#include <openssl/evp.h>

namespace vex {

Sha256::Sha256() : context_(EVP_MD_CTX_new()) {
  if (context_ != nullptr) EVP_DigestInit_ex(context_, EVP_sha256(), nullptr);
}

Sha256::~Sha256() { EVP_MD_CTX_free(context_); }

void Sha256::add(std::span<const std::uint8_t> bytes) {
  if (context_ != nullptr) EVP_DigestUpdate(context_, bytes.data(), bytes.size());
}

std::string Sha256::hex() {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (context_ == nullptr || EVP_DigestFinal_ex(context_, digest, &length) != 1) return {};
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (unsigned int i = 0; i < length; ++i) {
    text += kDigits[digest[i] >> 4];
    text += kDigits[digest[i] & 0x0F];
  }
  return text;
}

std::string Sha256Hex(std::span<const std::uint8_t> bytes) {
  Sha256 digest;
  digest.add(bytes);
  return digest.hex();
}

}  // namespace vex
