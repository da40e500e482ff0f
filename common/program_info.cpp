#include "common/program_info.h"

#include <iostream>
#include <string_view>

namespace vesmar {

bool answer_information_request(int argc, char** argv, std::string_view program,
                                std::string_view help) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help") {
      std::cout << help;
      std::cout.flush();
      return true;
    }
    if (argument == "--version") {
      std::cout << program << ' ' << kSuiteVersion << '\n';
      std::cout.flush();
      return true;
    }
  }
  return false;
}

}  // namespace vesmar
