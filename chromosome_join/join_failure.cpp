#include "chromosome_join/join_failure.h"

#include "chromosome_join/chromosome_join_run.h"
#include "engine/input_file.h"

#include <string>

namespace vesmar {

Failure no_such_file_name(JoinLocation location, std::optional<std::int64_t> standard_input_line,
                          int error_number) {
  std::string message(kNoSuchFileName);
  message += " (";
  message += kChromosomeJoin;
  message += ", location ";
  message += std::to_string(static_cast<int>(location));
  if (standard_input_line) {
    message += ", standard input line ";
    message += std::to_string(*standard_input_line);
  }
  message += ").";
  return Failure::no_such_file_name(message, error_number);
}

Status check_chromosome_file(const std::string& path, std::optional<std::int64_t> standard_input_line) {
  const Status openable = check_can_open_for_reading(path);
  if (openable.ok()) return {};
  return no_such_file_name(JoinLocation::check, standard_input_line, openable.failure().error_number);
}

}  // namespace vesmar
