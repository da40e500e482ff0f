#include "reads_importer/read_normalisation.h"

namespace vesmar {

ReadLine normalised_read_line(std::string_view read) {
  ReadLine line;
  const std::size_t kept = read.size() < kReadLength ? read.size() : kReadLength;
  // A short read is copied first, so that nothing past its end is read.
  char padded[kReadLength] = {};
  const char* bytes = read.data();
  if (kept < kReadLength) {
    if (kept > 0) std::memcpy(padded, read.data(), kept);
    bytes = padded;
  }
  normalise_read_bytes(bytes, line.bytes);
  line.bytes[kept] = '\n';
  line.size = kept + 1;
  return line;
}

}  // namespace vesmar
