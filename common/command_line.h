#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/failure.h"

namespace vesmar {

// How often an answering option may stand on a command line: once (the
// usual answer to one question), or again and again for a list of answers
// (at least once, or any number of times, none included). A repeated option
// gives no default.
enum class Repeat { Once, AtLeastOnce, AnyNumber };

// An option that answers one of a program's questions: --name VALUE (or
// --name=VALUE). One with a default may be left out of a command line that
// gives the other answers, and then has its default.
struct AnswerOption {
  std::string_view name;   // without its dashes
  std::string_view value;  // what it takes, as the help shows it
  std::string_view help;
  std::string_view default_value = {};  // empty: it must be given
  Repeat repeat = Repeat::Once;
};

// What a program's command line is: the options that answer its questions,
// the file names it takes after them (none when `files` is empty), and what
// its help says of it.
struct CommandLineSyntax {
  std::string_view program;
  std::string_view summary;  // what the program does, a few lines
  std::span<const AnswerOption> answers;
  std::string_view files;    // "FILE...", or empty
  std::string_view files_help;
  std::string_view example;  // a call with every answer
};

// The answers a command line gave, and its file names.
struct Arguments {
  std::map<std::string, std::string, std::less<>> values;
  std::vector<std::string> files;
  // The values of the repeated options, in command line order.
  std::map<std::string, std::vector<std::string>, std::less<>> lists;

  // The value of an answering option (every one is there once a command line
  // is complete).
  const std::string& operator[](std::string_view name) const { return values.find(name)->second; }
  // Every value of a repeated option, none when it was not given.
  const std::vector<std::string>& all(std::string_view name) const;
};

// What the command line asks for:
//   Dialogue  no answering option and no file name: the questions are asked
//             on standard input, as a program always has;
//   Answers   every answering option without a default (and, where the
//             program takes them, at least one file name): nothing is
//             asked; the options left out have their defaults;
//   Help, Version  -h/--help, -V/--version.
// `directories` are the -C DIR options, to be entered in turn before anything
// else, as git, make and tar do.
struct CommandLine {
  enum class Request { Dialogue, Answers, Help, Version };
  Request request = Request::Dialogue;
  Arguments arguments;
  std::vector<std::string> directories;
};

// Reads the arguments. A wrong command line (an unknown argument, an option
// given twice or without its value, some answering options but not all) is
// a failure with exit status 2 whose message says what is wrong.
Result<CommandLine> parse_command_line(int argc, char** argv, const CommandLineSyntax& syntax);

// The one-line synopsis, and the whole help, which lists every option.
std::string usage_line(const CommandLineSyntax& syntax);
std::string help_text(const CommandLineSyntax& syntax);

// A failure of the command line: exit status 2.
Failure usage_failure(std::string message);

// The value of the answering option `name` read as a number, or as a whole
// number of the int range, as the dialogue reads it; all of it must be the
// number. A value that is not is a usage failure.
Result<double> number_option(const Arguments& arguments, std::string_view name);
Result<int> integer_option(const Arguments& arguments, std::string_view name);

// The value of `name` when it is one of `choices`; a usage failure
// otherwise.
Result<std::string> choice_option(const Arguments& arguments, std::string_view name,
                                  std::initializer_list<std::string_view> choices);

}  // namespace vesmar
