#pragma once

#include <string_view>

namespace vesmar {

// What "Gap_region_scan --help" prints.
std::string_view gap_scan_help_text();

}  // namespace vesmar
