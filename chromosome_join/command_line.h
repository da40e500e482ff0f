#pragma once

#include <string_view>

namespace vesmar {

// What "Chromosome_join --help" prints.
std::string_view chromosome_join_help_text();

}  // namespace vesmar
