#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesmar::testing {

// The pieces between line feeds, as the readers see a file of `text`: one
// more than its line feeds, the last empty after a final line feed.
std::vector<std::string> pieces_of(std::string_view text);

// The lines a text editor shows of `text`: the pieces between line feeds,
// without the empty piece after a final line feed ("" has none).
std::vector<std::string> lines_of(std::string_view text);

}  // namespace vesmar::testing
