#include "engine/program_main.h"

namespace vesmar {

void do_nothing_in_a_shell(const char*) {}

int report_usage_failure(const CommandLineSyntax& syntax, const Failure& failure) {
  std::cout.flush();
  std::cerr << syntax.program << ": " << failure.message << '\n'
            << usage_line(syntax) << '\n'
            << "Try '" << syntax.program << " --help' for more.\n";
  std::cerr.flush();
  return exit_status_of(failure);
}

Status enter_folders(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    if (::chdir(folder.c_str()) != 0) return usage_failure("cannot enter " + folder + ": " + error_text(errno));
  }
  return {};
}

}  // namespace vesmar
