#include "engine/failure.h"

#include <cstring>
#include <iostream>

namespace vesmar {

int report_failure(std::string_view program, const Failure& failure) {
  std::cout.flush();
  std::cerr << program << ": " << failure.message << '\n';
  std::cerr.flush();
  return failure.exit_status;
}

std::string error_text(int error_number) { return std::strerror(error_number); }

}  // namespace vesmar
