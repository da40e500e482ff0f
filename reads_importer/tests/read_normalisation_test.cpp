#include "reads_importer/read_normalisation.h"

#include <gtest/gtest.h>

#include <string>

namespace vesmar {
namespace {

TEST(ReadNormalisation, LowersCapitalsAndTurnsDotsIntoN) {
  const std::string read = "ACGT.Nacgt" + std::string(22, 'T');
  char out[kReadLength];
  normalise_read_bytes(read.data(), out);
  EXPECT_EQ(std::string(out, kReadLength), "acgtnnacgt" + std::string(22, 't'));
}

TEST(ReadNormalisation, OnlyCapitalsAndDotsChangeAmongAllByteValues) {
  for (int first = 0; first < 256; first += static_cast<int>(kReadLength)) {
    char read[kReadLength];
    std::string expected;
    for (std::size_t i = 0; i < kReadLength; ++i) {
      const char byte = static_cast<char>(first + static_cast<int>(i));
      read[i] = byte;
      expected += byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte == '.' ? 'n' : byte;
    }
    char out[kReadLength];
    normalise_read_bytes(read, out);
    EXPECT_EQ(std::string(out, kReadLength), expected) << "bytes from " << first;
  }
}

}  // namespace
}  // namespace vesmar
