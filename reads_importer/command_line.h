#pragma once

#include <string_view>

namespace vesmar {

// What "Reads_importer --help" prints.
std::string_view reads_importer_help_text();

}  // namespace vesmar
