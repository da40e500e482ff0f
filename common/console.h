#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "common/failure.h"

namespace vesmar {

// The terminal a program talks to: its answers come from `in`, its prompts and
// progress lines go to `out`, its warnings to `err`. Output is flushed before
// every answer is awaited and before every shell command, so a terminal and a
// pipe see the same order.
struct Console {
  std::string_view program;  // the program's name, which begins its warnings
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  // Runs a shell command through the system's shell; its result is ignored.
  void (*run_command)(const char* command);
  // Set once an answer was awaited and standard input had ended.
  bool input_ended = false;

  void shell(const char* command);
  void print(std::string_view text);
  // A warning that changes no output: "<program>: warning: <message>" on a
  // line of `err`.
  void warn(std::string_view message);
};

// The shell the programs really use: std::system.
void run_in_system_shell(const char* command);

// The scanners' answers, read by formatted extraction: leading white space
// (line breaks included) is skipped and the answer ends at the next white
// space, so several answers may stand on one line. Nothing at end of input.
std::optional<std::string> read_word_answer(Console& console);
// A number read as operator>> reads it: "2.5" read as an integer gives 2 and
// leaves ".5" for the next answer. Nothing at end of input or when the text
// is not a number of that type (or is out of its range).
std::optional<double> read_double_answer(Console& console);
std::optional<int> read_int_answer(Console& console);

// The importers' answers: one whole line with its final line feed removed and
// nothing else trimmed. At end of input the answer is empty and `at_end` set.
struct LineAnswer {
  std::string text;
  bool at_end = false;
};
LineAnswer read_line_answer(Console& console);

}  // namespace vesmar

namespace vesmar {

// The failure for a question left without a usable answer: standard input
// ended before it was answered, or (for a numeric question) the answer was not
// a number. `prompt` names the question.
Failure unanswered(const Console& console, std::string_view prompt);

}  // namespace vesmar
