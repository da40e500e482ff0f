#include "genome/scanner_questions.h"

#include <optional>

#include "engine/input_file.h"
#include "genome/package_paths.h"

namespace vesmar {

namespace {

constexpr std::string_view kAlignmentPrompt = "Alignment_results file name: ";
constexpr std::string_view kAskedAgain = "; the question is asked again";

}  // namespace

Result<std::string> ask_readable_file(Console& console, std::string_view prompt, std::string_view folder) {
  for (;;) {
    console.print(prompt);
    std::optional<std::string> file_name = read_word_answer(console);
    if (!file_name) return unanswered(console, prompt);
    const Status openable = check_can_open_for_reading(path_in(folder, *file_name));
    if (openable.ok()) return std::move(*file_name);
    console.warn(openable.failure().message + std::string(kAskedAgain));
  }
}

Result<std::string> ask_alignment_results_file(Console& console) {
  return ask_readable_file(console, kAlignmentPrompt, kAlignmentResultsFolder);
}

Result<RegionChoice> ask_region_choice(Console& console, std::string_view prompt) {
  for (;;) {
    console.print(prompt);
    std::optional<std::string> choice = read_word_answer(console);
    if (!choice) return unanswered(console, prompt);
    if (std::optional<RegionChoice> regions = region_choice_for(*choice)) return *regions;
    console.warn("the answer \"" + *choice + "\" is none of e, i and n" + std::string(kAskedAgain));
  }
}

}  // namespace vesmar
