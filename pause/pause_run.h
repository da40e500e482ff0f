#pragma once

#include <iosfwd>
#include <string_view>

#include "engine/console.h"
#include "engine/failure.h"

namespace vesmar {

inline constexpr std::string_view kPause = "PAUSE";
inline constexpr std::string_view kPausePrompt = "Press any key to continue . . . ";

// The run of the PAUSE command, which the scanners run when they end; it
// asks no questions, so it has no dialogue. When `terminal_fd`
// is a terminal, prints the prompt on `out` and waits until one key is
// pressed there (any key, Enter included, without waiting for a whole line;
// all the bytes of a key that sends several, such as an arrow key);
// the key is not echoed, and a line feed follows it. When `terminal_fd` is
// not a terminal (a file, a pipe, nothing), returns at once and prints
// nothing, so batch runs never stop here.
void pause_for_key(int terminal_fd, std::ostream& out);

// PAUSE on the console: its standard input, and its standard output.
Status run_pause(Console& console);

}  // namespace vesmar
