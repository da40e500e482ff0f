#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace vesmar {

// Why a run cannot go on: a message that names the file or the question and
// the reason, and the exit status the program ends with (1 unless a program
// says otherwise). `error_number` keeps the system's error number of a
// failed system call, for the one message that turns it into an exit status
// (Chromosome_join's "no such file name"); 0 when there is none. Failures
// travel as values up to the program's main, which reports them in one
// place.
struct Failure {
  std::string message;
  int exit_status = 1;
  int error_number = 0;
};

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

// Writes "program: message" and a line feed to standard error and returns the
// failure's exit status.
int report_failure(std::string_view program, const Failure& failure);

// The text of a system error number, as strerror gives it.
std::string error_text(int error_number);

}  // namespace vesmar
