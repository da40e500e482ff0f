#include "reads_importer/reads_importer_run.h"

#include <memory>

#include "common/line_reader.h"
#include "common/output_file.h"
#include "reads_importer/read_file_conversion.h"

namespace vesmar {

namespace {

// Converts one input file into `output`. False when the file could not be
// opened or read to its end.
bool import_file(const std::string& path, ConversionState& state, OutputFile& output, Console& console) {
  Result<LineReader> input = LineReader::open(path, LineReader::Decoding::GzipByMagic);
  console.print("Reading ");
  console.print(path);
  console.print("\n");
  console.out.flush();
  if (!input.ok()) {
    console.warn(input.failure().message + "; it gives no reads");
    return false;
  }
  const FileConversion conversion = convert_file(input.value(), state, output);
  if (conversion.read_failure) {
    console.warn(conversion.read_failure->message + "; only the reads before the error were taken");
    return false;
  }
  if (state.format == ReadFormat::fastq && conversion.lines % 4 != 0) {
    console.warn(path + " has " + std::to_string(conversion.lines) +
                       " lines, not a multiple of four; the files after it are read out of step with their "
                       "records");
  }
  return true;
}

}  // namespace

Status run_reads_importer(const ReadsImporterSettings& settings, Console& console) {
  Result<std::unique_ptr<OutputFile>> created =
      OutputFile::create(settings.reads_file_path, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  OutputFile& output = *created.value();

  ConversionState state{settings.format};
  std::size_t unreadable = 0;
  for (const std::string& path : settings.input_paths) {
    if (!import_file(path, state, output, console)) ++unreadable;
    if (output.failed()) break;
  }
  if (Status written = output.commit(); !written.ok()) return written;
  console.print("Done.\n");
  if (unreadable > 0) {
    return Failure{std::to_string(unreadable) + " of " + std::to_string(settings.input_paths.size()) +
                   " input files could not be read; their reads are missing from " + settings.reads_file_path};
  }
  return {};
}

}  // namespace vesmar
