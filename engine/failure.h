#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace vesmar {

// What kind of failure ended a run. The exit status and the way the failure
// is written are chosen from the kind (exit_status_of, report_failure),
// never from the message.
enum class FailureKind {
  bad_input,     // an input file or answer that the run cannot use
  not_found,     // a file or folder that does not exist
  cannot_read,   // a file that exists but cannot be opened or read
  cannot_write,  // a file or folder that cannot be created or written
  usage,         // a command line or option value the program does not take
  // Chromosome_join's "no such file name" line, which batch scripts look
  // for: written as it stands, and the failed open's system error number
  // is the exit status.
  no_such_file_name,
};

// Why a run cannot go on: its kind, a message that names the file or the
// question and the reason, and the system's error number of a failed system
// call (0 when there is none). Failures travel as values up to the
// program's main, which reports them in one place. Failure{message} is bad
// input; the other kinds are made by name.
struct Failure {
  std::string message;
  FailureKind kind = FailureKind::bad_input;
  int error_number = 0;

  static Failure not_found(std::string message, int error_number = 0) {
    return {std::move(message), FailureKind::not_found, error_number};
  }
  static Failure cannot_read(std::string message, int error_number = 0) {
    return {std::move(message), FailureKind::cannot_read, error_number};
  }
  static Failure cannot_write(std::string message, int error_number = 0) {
    return {std::move(message), FailureKind::cannot_write, error_number};
  }
  static Failure usage(std::string message) { return {std::move(message), FailureKind::usage, 0}; }
  static Failure no_such_file_name(std::string line, int error_number) {
    return {std::move(line), FailureKind::no_such_file_name, error_number};
  }
};

// 2 for a usage failure; the error number for "no such file name" (1 if the
// open left none, so that a failure never ends as a success); 1 otherwise.
int exit_status_of(const Failure& failure);

// Success, or the failure that ended the work.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Failure failure) : failure_(std::move(failure)) {}

  bool ok() const { return !failure_.has_value(); }
  const Failure& failure() const { return *failure_; }

 private:
  std::optional<Failure> failure_;
};

// Either a value or the failure that prevented it.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

  bool ok() const { return state_.index() == 0; }
  T& value() { return std::get<0>(state_); }
  const T& value() const { return std::get<0>(state_); }
  const Failure& failure() const { return std::get<1>(state_); }
  // The failure as a Status, for callers that pass it on.
  Status status() const { return ok() ? Status() : Status(failure()); }

 private:
  std::variant<T, Failure> state_;
};

// Writes "program: message" (a "no such file name" line as it stands) and a
// line feed to standard error and returns the failure's exit status.
int report_failure(std::string_view program, const Failure& failure);

// The text of a system error number, as strerror gives it.
std::string error_text(int error_number);

}  // namespace vesmar
