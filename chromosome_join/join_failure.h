#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/failure.h"

namespace vesmar {

// Where a chromosome file failed to open: while its name was being checked
// during the questions, or when the join opened it.
enum class JoinLocation { check = 31, join = 45 };

inline constexpr std::string_view kNoSuchFileName = "no such file name";

// The failure for a chromosome file that cannot be opened: the line
//   no such file name (Chromosome_join, location 31, standard input line 3).
// or, when the last line read did not come from standard input,
//   no such file name (Chromosome_join, location 45).
// which batch scripts look for, of the kind that is written as it stands and
// ends with the failed open's system error number as the exit status.
Failure no_such_file_name(JoinLocation location, std::optional<std::int64_t> standard_input_line,
                          int error_number);

// Checks that a chromosome file named for a join with one file per chromosome
// can be opened, before the join begins: the "no such file name" failure for
// location 31 when it cannot. Only opens it and closes it again, as the join
// opens it anew.
Status check_chromosome_file(const std::string& path, std::optional<std::int64_t> standard_input_line);

}  // namespace vesmar
