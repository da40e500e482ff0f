#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "engine/failure.h"

namespace vesmar {

// Why the last answer asked for could not be had.
enum class AnswerProblem { None, InputEnded, NotANumber, OutOfRange };

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
  AnswerProblem problem = AnswerProblem::None;

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
// leaves ".5" for the next answer. Nothing at end of input, when the text is
// not a number, or when the number is beyond the range of its type
// (console.problem tells which).
std::optional<double> read_double_answer(Console& console);
std::optional<int> read_int_answer(Console& console);

// The importers' answers: one whole line with its final line feed removed and
// nothing else trimmed. Nothing at end of input.
std::optional<std::string> read_line_answer(Console& console);

// The failure for a question left without a usable answer, naming the
// question (`prompt`) and the reason in console.problem.
Failure unanswered(const Console& console, std::string_view prompt);

}  // namespace vesmar
