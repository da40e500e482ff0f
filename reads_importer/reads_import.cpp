#include "reads_importer/reads_import.h"

#include <memory>
#include <ostream>

#include "common/line_reader.h"
#include "common/output_file.h"
#include "reads_importer/read_file_conversion.h"

namespace vesmar {

namespace {

constexpr std::string_view kProgram = "Reads_importer";

void warn(std::ostream& warnings, std::string_view message) {
  warnings << kProgram << ": warning: " << message << '\n';
  warnings.flush();
}

// Converts one input file into `output`. False when the file could not be
// opened or read to its end.
bool import_file(const std::string& path, ConversionState& state, OutputFile& output, Console& console,
                 std::ostream& warnings) {
  Result<LineReader> input = LineReader::open(path, LineReader::Decoding::GzipByMagic);
  console.print("Reading ");
  console.print(path);
  console.print("\n");
  console.out.flush();
  if (!input.ok()) {
    warn(warnings, input.failure().message + "; it gives no reads");
    return false;
  }
  const FileConversion conversion = convert_file(input.value(), state, output);
  if (conversion.read_failure) {
    warn(warnings, conversion.read_failure->message + "; only the reads before the error were taken");
    return false;
  }
  if (state.format == ReadFormat::fastq && conversion.lines % 4 != 0) {
    warn(warnings, path + " has " + std::to_string(conversion.lines) +
                       " lines, not a multiple of four; the files after it are read out of step with their "
                       "records");
  }
  return true;
}

}  // namespace

Status import_reads(const ImportPlan& plan, Console& console, std::ostream& warnings) {
  Result<std::unique_ptr<OutputFile>> created = OutputFile::create(plan.outputfile, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  OutputFile& output = *created.value();

  ConversionState state{plan.format};
  std::size_t unreadable = 0;
  for (const std::string& path : plan.filename) {
    if (!import_file(path, state, output, console, warnings)) ++unreadable;
    if (output.failed()) break;
  }
  if (Status written = output.commit(); !written.ok()) return written;
  console.print("Done.\n");
  if (unreadable > 0) {
    return Failure{std::to_string(unreadable) + " of " + std::to_string(plan.filename.size()) +
                   " input files could not be read; their reads are missing from " + plan.outputfile};
  }
  return {};
}

Status run_reads_importer(Console& console, std::ostream& warnings) {
  console.shell("clear");
  print_importer_banner(console);
  Result<ImportPlan> plan = ask_import_questions(console);
  if (!plan.ok()) return plan.failure();
  return import_reads(plan.value(), console, warnings);
}

}  // namespace vesmar
