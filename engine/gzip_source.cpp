#include "engine/gzip_source.h"

#include <isa-l/igzip_lib.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/failure.h"

namespace vesmar {

namespace {

// A decoder may hold up to eight bytes read ahead in its bit buffer when a
// member ends (the ISA-L of Debian 12 rewinds them itself); they belong to
// what follows and are given back, so the bytes most recently consumed stay
// in the input buffer when it is refilled.
constexpr std::size_t kBitBufferBytes = 8;

constexpr std::string_view kCutShort = "the file ends in the middle of its compressed data (it is cut short)";

std::string_view reason_for(int code) {
  switch (code) {
    case ISAL_INVALID_WRAPPER: return "its gzip header is damaged";
    case ISAL_UNSUPPORTED_METHOD: return "it is compressed with a method other than deflate";
    case ISAL_INCORRECT_CHECKSUM:
      return "the checksum of its compressed data does not match: the file is damaged";
    default: return "its compressed data is damaged";
  }
}

}  // namespace

bool starts_like_gzip(std::string_view start) {
  return start.size() >= 2 && static_cast<unsigned char>(start[0]) == 0x1f &&
         static_cast<unsigned char>(start[1]) == 0x8b;
}

GzipSource::GzipSource(std::unique_ptr<ByteSource> compressed, std::size_t input_block)
    : compressed_(std::move(compressed)),
      state_(std::make_unique<inflate_state>()),
      header_(std::make_unique<isal_gzip_header>()),
      input_capacity_(kBitBufferBytes + input_block + 1),
      input_(new std::uint8_t[input_capacity_]) {
  start_member();
}

GzipSource::~GzipSource() = default;

// The header is read with isal_read_gzip_header into a header that lasts
// from call to call: isal_inflate reading it itself (ISAL_GZIP) loses its
// place when the header spans two input blocks (ISA-L 2.30), and then takes
// a valid file for a damaged one. The data is then inflated with the trailer
// checked (ISAL_GZIP_NO_HDR_VER).
void GzipSource::start_member() {
  isal_inflate_init(state_.get());
  state_->crc_flag = ISAL_GZIP_NO_HDR_VER;
  isal_gzip_header_init(header_.get());
  header_read_ = false;
}

ssize_t GzipSource::fail(std::string_view reason) {
  failure_ = reason;
  phase_ = Phase::Failed;
  return -1;
}

bool GzipSource::fill_input() {
  if (input_ended_) return false;
  const std::size_t history = std::min(input_begin_, kBitBufferBytes);
  const std::size_t kept = history + unread_input();
  std::memmove(input_.get(), input_.get() + input_begin_ - history, kept);
  input_begin_ = history;
  input_end_ = kept;
  const ssize_t got =
      compressed_->read(reinterpret_cast<char*>(input_.get() + input_end_), input_capacity_ - input_end_);
  if (got > 0) {
    input_end_ += static_cast<std::size_t>(got);
    return true;
  }
  if (got == 0) {
    input_ended_ = true;
  } else {
    fail(compressed_->failure_reason());
  }
  return false;
}

void GzipSource::begin_next_member() {
  while (unread_input() < 2 && fill_input()) {
  }
  if (phase_ == Phase::Failed) return;
  if (unread_input() == 0) {
    phase_ = Phase::Finished;
    return;
  }
  const std::string_view next(reinterpret_cast<const char*>(input_.get() + input_begin_), unread_input());
  if (next.size() < 2 && static_cast<unsigned char>(next[0]) == 0x1f) {
    fail(kCutShort);  // the file ends inside the next member's magic bytes
    return;
  }
  if (!starts_like_gzip(next)) {
    fail("the bytes after its last gzip member are not gzip data");
    return;
  }
  start_member();
  phase_ = Phase::InMember;
}

ssize_t GzipSource::read(char* into, std::size_t room) {
  room = std::min<std::size_t>(room, std::numeric_limits<std::uint32_t>::max());
  bool stalled = false;  // the last call of the decoder took no input and gave no output
  for (;;) {
    switch (phase_) {
      case Phase::Finished: return 0;
      case Phase::Failed: return -1;
      case Phase::BetweenMembers: begin_next_member(); continue;
      case Phase::InMember: break;
    }
    if (unread_input() == 0 || stalled) {
      if (!fill_input()) {
        if (phase_ == Phase::Failed) return -1;
        return fail(kCutShort);
      }
    }
    inflate_state& state = *state_;
    state.next_in = input_.get() + input_begin_;
    state.avail_in = static_cast<std::uint32_t>(unread_input());
    state.next_out = reinterpret_cast<std::uint8_t*>(into);
    state.avail_out = static_cast<std::uint32_t>(room);
    int code;
    if (header_read_) {
      code = isal_inflate(&state);
    } else {
      code = isal_read_gzip_header(&state, header_.get());
      header_read_ = code == ISAL_DECOMP_OK;
    }
    const std::size_t consumed = static_cast<std::size_t>(state.next_in - (input_.get() + input_begin_));
    const std::size_t produced = room - state.avail_out;
    input_begin_ += consumed;
    if (code < 0) {
      fail(reason_for(code));
      // The bytes decoded before the damage stand; the failure comes next.
      return produced > 0 ? static_cast<ssize_t>(produced) : -1;
    }
    if (state.block_state == ISAL_BLOCK_FINISH) {
      const std::size_t read_ahead = static_cast<std::size_t>(state.read_in_length) / 8;
      input_begin_ -= std::min(read_ahead, input_begin_);
      phase_ = Phase::BetweenMembers;
    }
    if (produced > 0) return static_cast<ssize_t>(produced);
    stalled = consumed == 0 && phase_ == Phase::InMember;
  }
}

}  // namespace vesmar
