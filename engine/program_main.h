#pragma once

#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <string>

#include "engine/command_line.h"
#include "engine/console.h"
#include "engine/failure.h"
#include "engine/program_info.h"
#include "engine/run_outcome.h"

namespace vesmar {

// What a program does from its command line: its dialogue (the questions,
// then the run, as started without arguments), how its answers on the
// command line become its settings (a wrong answer is a usage failure,
// status 2), and its run from those settings.
template <class Settings>
struct ProgramPieces {
  const CommandLineSyntax& syntax;
  Status (*dialogue)(Console& console);
  Result<Settings> (*settings_from)(const Arguments& arguments);
  Result<RunOutcome> (*run)(const Settings& settings, Console& console);
};

void do_nothing_in_a_shell(const char* command);
// Reports a wrong command line, with the usage line; status 2.
int report_usage_failure(const CommandLineSyntax& syntax, const Failure& failure);
// Enters the folders of -C in turn; a folder that cannot be entered is a
// wrong command line.
Status enter_folders(const std::vector<std::string>& folders);

// A program's main: the command line, then the dialogue or the run from its
// answers. In the run from answers the progress lines and warnings go to
// standard error, then a line for each line of the run's summary, and the
// paths of the files written to standard output, one a line.
template <class Settings>
int program_main(int argc, char** argv, const ProgramPieces<Settings>& pieces) {
  const std::string_view program = pieces.syntax.program;
  Result<CommandLine> line = parse_command_line(argc, argv, pieces.syntax);
  if (!line.ok()) return report_usage_failure(pieces.syntax, line.failure());
  switch (line.value().request) {
    case CommandLine::Request::Help:
      std::cout << help_text(pieces.syntax);
      return 0;
    case CommandLine::Request::Version:
      std::cout << program << ' ' << kSuiteVersion << '\n';
      return 0;
    case CommandLine::Request::Dialogue:
    case CommandLine::Request::Answers:
      break;
  }
  if (Status entered = enter_folders(line.value().directories); !entered.ok()) {
    return report_usage_failure(pieces.syntax, entered.failure());
  }
  if (line.value().request == CommandLine::Request::Dialogue) {
    Console console{program, std::cin, std::cout, std::cerr, run_in_system_shell};
    const Status status = pieces.dialogue(console);
    std::cout.flush();
    return status.ok() ? 0 : report_failure(program, status.failure());
  }
  Result<Settings> settings = pieces.settings_from(line.value().arguments);
  if (!settings.ok()) return report_usage_failure(pieces.syntax, settings.failure());
  Console console{program, std::cin, std::cerr, std::cerr, do_nothing_in_a_shell};
  Result<RunOutcome> outcome = pieces.run(settings.value(), console);
  std::cerr.flush();
  if (!outcome.ok()) return report_failure(program, outcome.failure());
  for (const std::string& summary : outcome.value().summary) std::cerr << program << ": " << summary << '\n';
  for (const std::string& file : outcome.value().files) std::cout << file << '\n';
  std::cout.flush();
  return 0;
}

}  // namespace vesmar
