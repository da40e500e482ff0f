#pragma once

#include <sys/types.h>

#include <algorithm>
#include <memory>
#include <string>

#include "engine/byte_source.h"
#include "engine/line_reader.h"

namespace vesmar {

// The bytes of a text, as a file would give them.
class TextSource final : public ByteSource {
 public:
  explicit TextSource(std::string text) : text_(std::move(text)) {}
  ssize_t read(char* into, std::size_t room) override {
    const std::size_t count = std::min(room, text_.size() - given_);
    text_.copy(into, count, given_);
    given_ += count;
    return static_cast<ssize_t>(count);
  }
  std::string failure_reason() const override { return {}; }

 private:
  std::string text_;
  std::size_t given_ = 0;
};

// A reader of `text` in blocks of 16 bytes, so that block ends fall all
// through it.
inline LineReader text_reader(std::string text, std::string name) {
  return LineReader(std::make_unique<TextSource>(std::move(text)), std::move(name), ReadAhead::Mode::Inline, 16);
}

}  // namespace vesmar
