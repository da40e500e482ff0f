#pragma once

#include <string_view>

namespace vesmar {

inline constexpr std::string_view kSuiteVersion = "1.0.0";

// The programs take no arguments; "--help" and "--version" are answered on
// standard output (true is returned, and the program ends), any other
// argument is ignored. `help` is the program's own help text.
bool answer_information_request(int argc, char** argv, std::string_view program,
                                std::string_view help);

}  // namespace vesmar
