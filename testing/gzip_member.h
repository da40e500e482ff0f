#pragma once

#include <isa-l/igzip_lib.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vesmar::testing {

// `text` compressed as one gzip member, as a sequencing facility's gzip would
// write it.
inline std::string gzip_member(std::string_view text) {
  isal_zstream stream;
  isal_deflate_stateless_init(&stream);
  stream.gzip_flag = IGZIP_GZIP;
  stream.level = 0;
  stream.end_of_stream = 1;
  stream.flush = NO_FLUSH;
  std::string compressed(text.size() + text.size() / 4 + 1024, '\0');
  stream.next_in = reinterpret_cast<std::uint8_t*>(const_cast<char*>(text.data()));
  stream.avail_in = static_cast<std::uint32_t>(text.size());
  stream.next_out = reinterpret_cast<std::uint8_t*>(compressed.data());
  stream.avail_out = static_cast<std::uint32_t>(compressed.size());
  if (isal_deflate_stateless(&stream) != COMP_OK) throw std::runtime_error("cannot compress");
  compressed.resize(stream.total_out);
  return compressed;
}

}  // namespace vesmar::testing
