#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace vesmar::fuzz {

// Takes the fuzzer's bytes apart: small choices and numbers from the front,
// the rest as text. Running out of bytes gives zeros and empty texts, so
// every input, however short, is a valid case.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : text_(reinterpret_cast<const char*>(data), size) {}

  bool empty() const { return text_.empty(); }
  std::size_t size() const { return text_.size(); }

  std::uint8_t byte() {
    if (text_.empty()) return 0;
    const auto value = static_cast<std::uint8_t>(text_.front());
    text_.remove_prefix(1);
    return value;
  }
  bool flag() { return (byte() & 1) != 0; }
  // A value in [0, count), count >= 1.
  std::size_t pick(std::size_t count) { return byte() % count; }

  std::uint32_t u32() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | byte();
    return value;
  }
  std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
  std::int64_t i64() {
    const std::uint64_t high = u32();
    return static_cast<std::int64_t>((high << 32) | u32());
  }

  // A number that is mostly small (-16 to 239), now and then any 32-bit value.
  std::int32_t small_or_any() {
    const std::uint8_t kind = byte();
    if (kind < 240) return static_cast<std::int32_t>(kind) - 16;
    return i32();
  }

  // The bytes before the next `stop` byte (which is taken too, not given),
  // at most `longest` of them.
  std::string_view text_until(char stop, std::size_t longest) {
    const std::size_t found = text_.find(stop);
    const std::size_t length = std::min({found, text_.size(), longest});
    const std::string_view piece = text_.substr(0, length);
    text_.remove_prefix(length < text_.size() && text_[length] == stop ? length + 1 : length);
    return piece;
  }

  // Everything not taken yet.
  std::string_view rest() {
    const std::string_view piece = text_;
    text_ = std::string_view();
    return piece;
  }

 private:
  std::string_view text_;
};

// A finding: says what does not hold and ends the run, so that the fuzzer
// keeps the input and the replay test fails.
[[noreturn]] inline void finding(const char* what, const std::string& detail = std::string()) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  if (!detail.empty()) std::fprintf(stderr, "%s\n", detail.c_str());
  std::abort();
}

#define FUZZ_CHECK(condition, ...)                                                    \
  do {                                                                                \
    if (!(condition)) ::vesmar::fuzz::finding(#condition __VA_OPT__(, ) __VA_ARGS__); \
  } while (false)

}  // namespace vesmar::fuzz
