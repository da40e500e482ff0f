#pragma once

#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "engine/failure.h"
#include "engine/write_behind.h"

namespace vesmar {

// A text file written through one large buffer, with every write checked.
//
// Two ways to create it:
//   Replace  the bytes go to a temporary file in the same folder, which
//            commit() renames over `path` once it is complete, flushed and
//            closed. Until then an older file at `path` stays untouched, and a
//            file that is dropped without commit() removes its temporary.
//   InPlace  `path` itself is created or emptied at once (a symbolic link at
//            `path` is followed), and what was written stays if the run fails.
//
// write() keeps the first error and drops later writes; commit() reports it,
// naming the path and the reason.
//
// Writing::Behind: the first buffer that fills starts a thread that writes
// the full buffers (WriteBehind) while the next one fills, so that a file
// never written past one buffer costs no thread. It pays where the writing
// is a large part of the work and a processor is free for it (the scanners'
// reports); a program that already reads on a thread of its own and writes
// less than it reads (the reads importer) is faster writing its buffers
// itself.
class OutputFile {
 public:
  enum class Mode { Replace, InPlace };
  enum class Writing { InCaller, Behind };

  static Result<std::unique_ptr<OutputFile>> create(const std::string& path, Mode mode,
                                                    Writing writing = Writing::InCaller);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void write(std::string_view bytes) {
    if (bytes.size() <= capacity_ - used_) {
      // An empty view may have no data at all, which memcpy must not be given.
      if (!bytes.empty()) std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
      used_ += bytes.size();
    } else {
      write_slow(bytes);
    }
  }
  void put(char c) {
    if (used_ == capacity_) flush_buffer();
    buffer_[used_++] = c;
  }
  // Writes `count` copies of `c`.
  void fill(char c, std::size_t count);

  // For writers that build their bytes in place: the free end of the buffer,
  // at least `size` bytes of it. It is flushed first exactly when write()
  // would flush it for `size` bytes. Fill the start of the room and take
  // those bytes with appended(count); the rest may be used as scratch, since
  // later bytes overwrite it.
  std::span<char> room(std::size_t size) {
    if (size > capacity_ - used_) make_room(size);
    return std::span<char>(buffer_.get() + used_, capacity_ - used_);
  }
  // Takes the first `count` bytes of the room as written.
  void appended(std::size_t count) { used_ += count; }
  // Writes at most `longest` bytes in place: put(out) writes them at `out`
  // and returns their end.
  template <class Put>
  void put_in_place(std::size_t longest, Put&& put) {
    char* const out = room(longest).data();
    appended(static_cast<std::size_t>(put(out) - out));
  }

  // True once a write has failed; later writes are dropped.
  bool failed() const { return error_number_ != 0; }
  // Flushes, closes and (Replace) renames into place. Success only if every
  // byte reached the file.
  Status commit();
  // The same for files that belong together (a report and its standard
  // formats): each is flushed and closed first, and only when all are
  // complete do they take their names; if one cannot, those that took theirs
  // are put back, so that either every older file is replaced or none is.
  friend Status commit_together(std::span<OutputFile* const> files);

  const std::string& path() const { return path_; }

 private:
  OutputFile(int fd, std::string path, std::string temporary_path, Writing writing);
  // Flushes and closes the file; the last step of a commit is taking its name.
  Status finish();
  void write_slow(std::string_view bytes);
  void make_room(std::size_t size);
  void flush_buffer();
  void write_through(const char* data, std::size_t size);
  // Waits until the full buffers are written, and keeps their error.
  void wait_for_writes();
  Failure failure(std::string_view action, int error_number) const;

  int fd_;
  std::string path_;
  std::string temporary_path_;  // empty in InPlace mode
  std::unique_ptr<char[]> buffer_;  // the one being filled
  std::size_t capacity_;
  std::size_t used_ = 0;
  // The one being written, once there is a thread that writes.
  std::unique_ptr<char[]> written_buffer_;
  std::size_t written_capacity_ = 0;
  Writing writing_;
  std::unique_ptr<WriteBehind> behind_;
  int error_number_ = 0;
  bool committed_ = false;
};

Status commit_together(std::span<OutputFile* const> files);

}  // namespace vesmar
