#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace vesmar {

// Bytes that do not come straight from a file descriptor: a decoder in front
// of one (a gzip-compressed file), which LineReader then splits into lines
// as it would a plain file.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Puts up to `room` bytes at `into`, as ::read does: the count (0 only at
  // the end of the bytes), or -1 when no more can be had; failure_reason()
  // then tells why. Bytes given before a failure stand.
  virtual ssize_t read(char* into, std::size_t room) = 0;
  virtual std::string failure_reason() const = 0;
};

}  // namespace vesmar
