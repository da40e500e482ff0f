#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesmar {

// A count and the noun it counts, in the number the count takes: "1 row",
// "0 rows", "2 rows". The summaries of the runs say them so.
std::string count_text(std::int64_t count, std::string_view one, std::string_view many);

}  // namespace vesmar
