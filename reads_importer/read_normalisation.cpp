#include "reads_importer/read_normalisation.h"

#include <array>

namespace vesmar {

namespace {

// Byte-to-byte table, so that normalising a read is one lookup per byte.
constexpr std::array<char, 256> make_base_table() {
  std::array<char, 256> table{};
  for (int byte = 0; byte < 256; ++byte) table[byte] = static_cast<char>(byte);
  for (int letter = 'A'; letter <= 'Z'; ++letter) table[letter] = static_cast<char>(letter - 'A' + 'a');
  table['.'] = 'n';
  return table;
}

constexpr std::array<char, 256> kBaseTable = make_base_table();

}  // namespace

ReadLine normalised_read_line(std::string_view read) {
  ReadLine line;
  const std::size_t kept = read.size() < kReadLength ? read.size() : kReadLength;
  for (std::size_t i = 0; i < kept; ++i) {
    line.bytes[i] = kBaseTable[static_cast<unsigned char>(read[i])];
  }
  line.bytes[kept] = '\n';
  line.size = kept + 1;
  return line;
}

}  // namespace vesmar
