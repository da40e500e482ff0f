#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/byte_source.h"

struct inflate_state;
struct isal_gzip_header;

namespace vesmar {

// Whether `start`, the first bytes of a file, open a gzip member (the magic
// bytes 1f 8b).
bool starts_like_gzip(std::string_view start);

// The decompressed bytes of the gzip file that `compressed` gives: one
// member, or several one after another (as concatenated .gz files are), each
// checked against its CRC. A read error of `compressed` is a failure, with
// its reason.
//
// Damage ends the stream with a failure: a file cut short, corrupt compressed
// data, a checksum that does not match, bytes after the last member that are
// not a gzip member. What was decoded before the damage is given first.
// Decoding uses ISA-L's igzip.
class GzipSource : public ByteSource {
 public:
  // Compressed bytes are read `input_block` at a time.
  static constexpr std::size_t kInputBlock = std::size_t{1} << 18;

  GzipSource(std::unique_ptr<ByteSource> compressed, std::size_t input_block = kInputBlock);
  ~GzipSource() override;
  GzipSource(const GzipSource&) = delete;
  GzipSource& operator=(const GzipSource&) = delete;

  ssize_t read(char* into, std::size_t room) override;
  std::string failure_reason() const override { return failure_; }

 private:
  enum class Phase { InMember, BetweenMembers, Finished, Failed };

  // Reads more compressed bytes behind the unread ones; false at the end of
  // the file or on a read error (then the phase is Failed).
  bool fill_input();
  std::size_t unread_input() const { return input_end_ - input_begin_; }
  // After a member: the next bytes start another member, or the file ends.
  void begin_next_member();
  // Sets the decoder up for a member that starts with its header.
  void start_member();
  ssize_t fail(std::string_view reason);

  std::unique_ptr<ByteSource> compressed_;
  std::unique_ptr<inflate_state> state_;
  // The member's gzip header, read apart from its data: ISA-L keeps what it
  // has read of a header that spans several input blocks in here.
  std::unique_ptr<isal_gzip_header> header_;
  bool header_read_ = false;
  std::size_t input_capacity_;
  std::unique_ptr<std::uint8_t[]> input_;
  std::size_t input_begin_ = 0;
  std::size_t input_end_ = 0;
  bool input_ended_ = false;
  Phase phase_ = Phase::InMember;
  std::string failure_;
};

}  // namespace vesmar
