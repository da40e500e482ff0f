#include "genome_overview/genome_overview_dialogue.h"

#include <optional>
#include <string>

#include "engine/ask_then_run.h"
#include "genome_overview/genome_overview_run.h"

namespace vesmar {

namespace {

constexpr std::string_view kBanner =
    "            Genome_overview\n"
    "            _______________\n"
    "\n"
    "This program draws a picture of one strain: where along each chromosome\n"
    "the suspected SNPs and the stretches without reads lie, from the files\n"
    "that Point_scan and Gap_region_scan wrote for your first name.  See\n"
    "Read_me file for details.\n"
    "\n"
    "The picture will be deposited in a file named\n"
    "'yourfirstname_overview.html' in the 'Overview' folder; open it in a\n"
    "web browser.\n"
    "\n";

constexpr std::string_view kNamePrompt = "Your first name: ";

}  // namespace

Result<GenomeOverviewSettings> ask_genome_overview_settings(Console& console) {
  console.shell("clear");
  console.print(kBanner);
  console.print(kNamePrompt);
  std::optional<std::string> name = read_word_answer(console);
  if (!name) return unanswered(console, kNamePrompt);
  return genome_overview_settings(*name);
}

Status run_genome_overview_dialogue(Console& console) {
  return ask_then_run(console, ask_genome_overview_settings, run_genome_overview, AfterRun::Pause);
}

}  // namespace vesmar
