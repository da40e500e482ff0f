#include "common/console.h"

#include <cstdlib>
#include <iostream>
#include <string>

namespace vesmar {

void Console::shell(const char* command) {
  out.flush();
  std::cout.flush();
  run_command(command);
}

void Console::print(std::string_view text) { out << text; }

void Console::warn(std::string_view message) {
  out.flush();
  err << program << ": warning: " << message << '\n';
  err.flush();
}

void run_in_system_shell(const char* command) {
  int ignored = std::system(command);
  (void)ignored;
}

namespace {

template <class T>
std::optional<T> read_extracted(Console& console) {
  console.out.flush();
  // Skipping the white space first tells an input that has ended from an
  // answer that is not a number.
  console.in >> std::ws;
  if (console.in.eof()) {
    console.input_ended = true;
    return std::nullopt;
  }
  T value{};
  if (console.in >> value) return value;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> read_word_answer(Console& console) {
  return read_extracted<std::string>(console);
}

std::optional<double> read_double_answer(Console& console) {
  return read_extracted<double>(console);
}

std::optional<int> read_int_answer(Console& console) { return read_extracted<int>(console); }

LineAnswer read_line_answer(Console& console) {
  console.out.flush();
  LineAnswer answer;
  if (!std::getline(console.in, answer.text)) {
    answer.text.clear();
    answer.at_end = true;
    console.input_ended = true;
  }
  return answer;
}

}  // namespace vesmar

#include "common/failure.h"

namespace vesmar {

Failure unanswered(const Console& console, std::string_view prompt) {
  std::string question(prompt);
  while (!question.empty() && question.back() == ' ') question.pop_back();
  if (console.input_ended) {
    return Failure{"standard input ended before the question \"" + question + "\" was answered", 1};
  }
  return Failure{"the answer to the question \"" + question + "\" is not a number", 1};
}

}  // namespace vesmar
