#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace vesmar {

// Where a reader's bytes come from: a file as it stands, or a decoder in
// front of one (a gzip-compressed file), which LineReader then splits into
// lines alike.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Puts up to `room` bytes at `into`, as ::read does: the count (0 only at
  // the end of the bytes), or -1 when no more can be had; failure_reason()
  // then tells why. Bytes given before a failure stand.
  virtual ssize_t read(char* into, std::size_t room) = 0;
  virtual std::string failure_reason() const = 0;
};

// The bytes of an open file descriptor, which it owns and closes. `taken`
// are bytes already read from it (the first bytes of a pipe, looked at to
// tell compressed input from plain text): they are given first.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(int fd, std::string taken = {});
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  ssize_t read(char* into, std::size_t room) override;
  std::string failure_reason() const override;

 private:
  int fd_;
  std::string taken_;
  std::size_t given_ = 0;
  int error_number_ = 0;
};

}  // namespace vesmar
