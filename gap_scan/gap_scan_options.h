#pragma once

#include <string_view>

namespace vesmar {

// What the command line asks for. The program takes no arguments for its
// work; "--help" and "--version" answer and end, anything else is ignored.
enum class GapScanRequest { Run, Help, Version };

GapScanRequest gap_scan_request(int argc, const char* const* argv);

std::string_view gap_scan_help_text();
std::string_view gap_scan_version_text();

}  // namespace vesmar
