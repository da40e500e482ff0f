#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace vesmar {

// Why a run cannot go on: a message that names the file or the question and
// the reason, and the exit status the program ends with. Failures travel as
// values up to the program's main, which reports them in one place.
struct Failure {
  std::string message;
  int exit_status = 1;
};

// Success carries nothing; a failure carries the Failure.
using Status = std::optional<Failure>;

// Either a value or the failure that prevented it.
template <class T>
class Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

  bool ok() const { return state_.index() == 0; }
  T& value() { return std::get<0>(state_); }
  const T& value() const { return std::get<0>(state_); }
  const Failure& failure() const { return std::get<1>(state_); }

 private:
  std::variant<T, Failure> state_;
};

// Writes "program: message" and a line feed to standard error and returns the
// failure's exit status.
int report_failure(std::string_view program, const Failure& failure);

// The text of a system error number, as strerror gives it.
std::string error_text(int error_number);

}  // namespace vesmar
