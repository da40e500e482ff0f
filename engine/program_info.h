#pragma once

#include <string_view>

namespace vesmar {

// The version every program of the suite says it is (--version).
inline constexpr std::string_view kSuiteVersion = "1.0.0";

}  // namespace vesmar
