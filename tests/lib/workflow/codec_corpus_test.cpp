// Guards the byte layout and what is made of it: a corpus of images is
// decoded and encoded again, exported as CSV and printed as a report, and the
// SHA-256 of each result must stay what it was when the corpus was recorded.
// A change of any of these digests is a change of what the program reads or
// writes; it must be meant, and the digest updated with it.
#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "config/language_texts.h"
#include "core/chirp_csv.h"
#include "core/codeplug_reader.h"
#include "core/container.h"
#include "core/default_data.h"
#include "core/report_sections.h"
#include "workflow/report/report_builder.h"
#include "workflow/report/report_text.h"

namespace vex {
namespace {

class Digest {
 public:
  Digest() : context_(EVP_MD_CTX_new(), EVP_MD_CTX_free) { EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr); }
  void add(std::string_view bytes) { EVP_DigestUpdate(context_.get(), bytes.data(), bytes.size()); }
  void add(const Image& image) { EVP_DigestUpdate(context_.get(), image.data(), image.size()); }
  std::string hex() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(context_.get(), digest, &length);
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) text += {kDigits[digest[i] >> 4], kDigits[digest[i] & 0x0F]};
    return text;
  }

 private:
  std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> context_;
};

struct Digests {
  std::string image;
  std::string csv;
  std::string report;
  bool operator==(const Digests&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Digests& d) {
  return out << "{\"" << d.image << "\",\n \"" << d.csv << "\",\n \"" << d.report << "\"}";
}

class Corpus : public ::testing::Test {
 protected:
  // Adds the encoding of the decoded image, its CSV and its whole report.
  void add(const Image& image) {
    auto data = std::make_unique<RadioDataContainer>();
    data->image() = image;
    data->decode();
    data->encode();
    image_.add(data->image());
    csv_.add(ExportChirpCsv(*data));
    ReportSectionTable table;
    for (auto& entry : table.entries()) entry.selected = true;
    report_.add(ReportText(BuildReport(table, {*data, english_, model_, 0})));
  }
  Digests digests() { return {image_.hex(), csv_.hex(), report_.hex()}; }

  static Image defaultImage(int lowMHz, int highMHz) {
    auto data = std::make_unique<RadioDataContainer>();
    MakeDefaultData(*data, lowMHz, highMHz);
    data->encode();
    return data->image();
  }

  LanguageTexts english_{std::filesystem::path(VEX_DATA_DIR) / "VEX_E.lng"};
  ModelState model_{"VEXM1", "Vex M1", "446-446", 0, "1.03.11"};
  Digest image_, csv_, report_;
};

struct RangeDigests {
  int lowMHz, highMHz;
  Digests digests;
};

void PrintTo(const RangeDigests& range, std::ostream* out) { *out << range.lowMHz << "-" << range.highMHz; }

class DefaultCorpus : public Corpus, public ::testing::WithParamInterface<RangeDigests> {};

TEST_P(DefaultCorpus, DefaultDataOfACatalogueRange) {
  add(defaultImage(GetParam().lowMHz, GetParam().highMHz));
  EXPECT_EQ(digests(), GetParam().digests);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, DefaultCorpus,
    ::testing::Values(RangeDigests{136,
                                   174,
                                   {"91281f5939ba0b0652565e46ff7c452d7aa02709fe9a522d0411fc7a1717706e",
                                    "3fcd5c324399660785ccefbe652cac51756e68f7fffad9777e83e004f9faa788",
                                    "b47b075befc1d020b56d14e293add5d2430edd2e5c3edf9265e5c8f1ee0613e9"}},
                      RangeDigests{400,
                                   470,
                                   {"e51fb664e05af86d2c7f02655e656d14fb0a0f97b77ca566cce66d59bec12ef1",
                                    "68d59f485cc88fe3fe15cd4114d5ff878be8a2c3d4bb334f094da5de12fe7d01",
                                    "abb53a9dee8a9becf0f12e289c1aa52da5ca9a981bc818d640af90b55002e320"}},
                      RangeDigests{446,
                                   446,
                                   {"15b8e6f9d77dcb516002fb6be3caac3e0791f8363d680350d37af5047f804631",
                                    "a44437707ea3ef17aa6a86bfdc8ad6a5236875ce16b76ece1b0e7128e85a837d",
                                    "ec5ebda1343c4eccfd869d32c5169449237668b211c0288f9b05a945cd4911f3"}}),
    [](const auto& info) { return std::to_string(info.param.lowMHz) + "_" + std::to_string(info.param.highMHz); });

Image SampleImage() {
  Image image{};
  const auto path = std::filesystem::path(VEX_SOURCE_DIR) / "fuzz/corpus/codeplug_fuzz/whole.dat";
  LoadedCounts counts;
  EXPECT_TRUE(LoadCodeplugFile(path.string(), {}, image, counts));
  return image;
}

TEST_F(Corpus, ShippedSampleFile) {
  add(SampleImage());
  EXPECT_EQ(digests(), (Digests{"9386d2058926011d4a1f43172e406c5eb8d5c4b5b057275fb00d854b4563582f",
                                "da59977ff4b5283f6e1d9b815337a093e0decb2092289e8063488457d8ab56b3",
                                "c3cb7f84aa134ab4d5851d5b84405a6d766643b3d466a0f4136c96287fc3e45c"}));
}

// Three kinds of image, a hundred each: random bytes, random bytes half
// erased, and the sample file with a few random bytes.
TEST_F(Corpus, RandomImagesOfAFixedSeed) {
  std::mt19937 random(27);
  const Image base = SampleImage();
  for (int k = 0; k < 300; ++k) {
    Image image = base;
    if (k % 3 == 2) {
      for (std::uint32_t n = random() % 200 + 1; n > 0; --n) image[random() % image.size()] = random() & 0xFF;
    } else {
      for (auto& byte : image) byte = (k % 3 == 1 && random() % 2 == 0) ? 0xFF : random() & 0xFF;
    }
    add(image);
  }
  EXPECT_EQ(digests(), (Digests{"9f3c6eae760d8d7ae9871a4e999c6a48fbc15706e11244e055deb92048cda90f",
                                "4312388fa97e518a117de3d58b7f2025826ebe1b144e30d856755d24c16be7c7",
                                "87085ba3ffabb532fc237a354d8e6af08efc2cc5b89f3fd07d56f5ed94927cfb"}));
}

}  // namespace
}  // namespace vex
