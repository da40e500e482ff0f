#include "feature_import/feature_import_dialogue.h"

#include <charconv>
#include <optional>
#include <string>

#include "engine/ask_then_run.h"
#include "engine/input_file.h"
#include "genome/package_paths.h"
#include "feature_import/feature_import_run.h"
#include "feature_import/translation_tables.h"

namespace vesmar {

namespace {

constexpr std::string_view kBanner =
    "            Feature_import\n"
    "            ______________\n"
    "\n"
    "This program writes the feature location files that Point_scan and\n"
    "Gap_region_scan read (the exons, introns and intergenic regions, the\n"
    "exon sequences and frames, and the genetic code) from a genome\n"
    "annotation in GFF3 or GTF format and the chromosome FASTA files.  See\n"
    "Read_me file for details.\n"
    "\n"
    "PLEASE PLACE THE ANNOTATION AND THE FASTA FILES ON THE DESKTOP\n"
    "\n";
constexpr std::string_view kAnnotationPrompt = "Name of the annotation file (GFF3 or GTF): ";
constexpr std::string_view kCountPrompt = "How many chromosome FASTA files do you have? ";
constexpr std::string_view kSkipPrompt =
    "Sequences of the annotation to leave out (names separated by blanks; none: an empty line): ";
constexpr std::string_view kAllPrompt =
    "Keep every coding transcript of a gene (y), or only the one with the longest CDS (n)? ";
constexpr std::string_view kCodePrompt = "Genetic code (NCBI translation table number; 1 is the standard code): ";
constexpr std::string_view kAskedAgain = "; the question is asked again";

// Asks `prompt` until `use` takes the answer: `use` returns the value, or
// the reason it cannot, which is warned of before the question comes back.
template <class Value, class Use>
Result<Value> ask_until(Console& console, std::string_view prompt, Use use) {
  for (;;) {
    console.print(prompt);
    const std::optional<std::string> answer = read_line_answer(console);
    if (!answer) return unanswered(console, prompt);
    Result<Value> value = use(*answer);
    if (value.ok()) return value;
    console.warn(value.failure().message + std::string(kAskedAgain));
  }
}

Result<std::string> existing_file(const std::string& name) {
  const std::string path = path_in(kDesktopFolder, name);
  if (Status found = check_exists(path); !found.ok()) return found.failure();
  return name;
}

Result<int> whole_number(const std::string& answer, int least) {
  int value = 0;
  const auto [end, error] = std::from_chars(answer.data(), answer.data() + answer.size(), value);
  if (error != std::errc() || end != answer.data() + answer.size() || value < least) {
    return Failure{"the answer \"" + answer + "\" is not a whole number of " + std::to_string(least) + " or more"};
  }
  return value;
}

}  // namespace

Result<FeatureImportSettings> ask_feature_import_settings(Console& console) {
  console.shell("clear");
  console.print(kBanner);
  Result<std::string> annotation = ask_until<std::string>(console, kAnnotationPrompt, existing_file);
  if (!annotation.ok()) return annotation.failure();
  Result<int> count =
      ask_until<int>(console, kCountPrompt, [](const std::string& answer) { return whole_number(answer, 1); });
  if (!count.ok()) return count.failure();
  std::vector<std::string> fasta_names;
  for (int i = 1; i <= count.value(); ++i) {
    Result<std::string> name =
        ask_until<std::string>(console, "chromosome file " + std::to_string(i) + " name: ", existing_file);
    if (!name.ok()) return name.failure();
    fasta_names.push_back(std::move(name.value()));
  }
  Result<std::vector<std::string>> skipped = ask_until<std::vector<std::string>>(
      console, kSkipPrompt, [](const std::string& answer) { return Result<std::vector<std::string>>(sequence_names(answer)); });
  if (!skipped.ok()) return skipped.failure();
  Result<bool> all = ask_until<bool>(console, kAllPrompt, [](const std::string& answer) -> Result<bool> {
    if (answer == "y" || answer == "n") return answer == "y";
    return Failure{"the answer \"" + answer + "\" is neither y nor n"};
  });
  if (!all.ok()) return all.failure();
  Result<int> code = ask_until<int>(console, kCodePrompt, [](const std::string& answer) -> Result<int> {
    Result<int> number = whole_number(answer, 1);
    if (number.ok() && !translation_table(number.value())) return Failure{not_a_translation_table(number.value())};
    return number;
  });
  if (!code.ok()) return code.failure();
  return feature_import_settings(annotation.value(), fasta_names, all.value(), code.value(),
                                 std::move(skipped.value()));
}

Status run_feature_import_dialogue(Console& console) {
  return ask_then_run(console, ask_feature_import_settings, run_feature_import, AfterRun::End);
}

}  // namespace vesmar
