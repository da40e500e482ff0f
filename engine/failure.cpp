#include "engine/failure.h"

#include <cstring>
#include <iostream>

namespace vesmar {

int exit_status_of(const Failure& failure) {
  switch (failure.kind) {
    case FailureKind::usage: return 2;
    case FailureKind::no_such_file_name: return failure.error_number != 0 ? failure.error_number : 1;
    default: return 1;
  }
}

int report_failure(std::string_view program, const Failure& failure) {
  std::cout.flush();
  if (failure.kind != FailureKind::no_such_file_name) std::cerr << program << ": ";
  std::cerr << failure.message << '\n';
  std::cerr.flush();
  return exit_status_of(failure);
}

std::string error_text(int error_number) { return std::strerror(error_number); }

}  // namespace vesmar
