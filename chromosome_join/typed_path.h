#pragma once

#include <string>
#include <string_view>

namespace vesmar {

// The path of a file whose name the user typed: `folder` and the name, less
// any blanks, tabs, carriage returns, form feeds or line feeds at its end (a
// name typed with a stray blank, or sent with a CR-LF line end, still finds
// its file). White space elsewhere in the name stays.
std::string typed_file_path(std::string_view folder, std::string_view typed);

}  // namespace vesmar
