#include "engine/console.h"

#include <cstdlib>
#include <iostream>
#include <string>

#include "engine/number_reader.h"

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
  console.problem = AnswerProblem::None;
  // Skipping the white space first tells an input that has ended from an
  // answer that is not a number.
  console.in >> std::ws;
  if (console.in.eof()) {
    console.problem = AnswerProblem::InputEnded;
    return std::nullopt;
  }
  T value{};
  if (console.in >> value) return value;
  if constexpr (std::is_arithmetic_v<T>) {
    console.problem = is_range_limit(value) ? AnswerProblem::OutOfRange : AnswerProblem::NotANumber;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> read_word_answer(Console& console) { return read_extracted<std::string>(console); }

std::optional<double> read_double_answer(Console& console) { return read_extracted<double>(console); }

std::optional<int> read_int_answer(Console& console) { return read_extracted<int>(console); }

std::optional<std::string> read_line_answer(Console& console) {
  console.out.flush();
  console.problem = AnswerProblem::None;
  std::string answer;
  if (!std::getline(console.in, answer)) {
    console.problem = AnswerProblem::InputEnded;
    return std::nullopt;
  }
  return answer;
}

Failure unanswered(const Console& console, std::string_view prompt) {
  // The question on one line, as the prompt shows it.
  std::string question(prompt);
  for (char& c : question) {
    if (c == '\n') c = ' ';
  }
  while (!question.empty() && question.back() == ' ') question.pop_back();
  question = "\"" + question + "\"";
  switch (console.problem) {
    case AnswerProblem::NotANumber: return Failure{"the answer to the question " + question + " is not a number"};
    case AnswerProblem::OutOfRange:
      return Failure{"the answer to the question " + question + " is a number out of range"};
    case AnswerProblem::InputEnded:
    case AnswerProblem::None: break;
  }
  return Failure{"standard input ended before the question " + question + " was answered"};
}

}  // namespace vesmar
