#include "engine/line_stream.h"

namespace vesmar {

bool LineStream::next(std::string_view& line) {
  while (!ended_) {
    const char* begin;
    std::size_t length;
    if (cursor_ && cursor_->next(begin, length)) {
      line = std::string_view(begin, length);
      ++line_number_;
      return true;
    }
    const char* stop;
    switch (reader_.next_lines(begin, stop)) {
      case LineReader::Next::Lines:
        cursor_.emplace(begin, stop);
        break;
      case LineReader::Next::End:
        ended_ = true;
        cursor_.reset();
        line = reader_.last_piece();
        if (line.empty()) return false;
        ++line_number_;
        return true;
      case LineReader::Next::ReadError:
        ended_ = true;
        cursor_.reset();
        failure_ = reader_.read_failure();
        return false;
    }
  }
  return false;
}

}  // namespace vesmar
