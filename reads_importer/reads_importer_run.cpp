#include "reads_importer/reads_importer_run.h"

#include <memory>

#include "engine/line_reader.h"
#include "engine/output_file.h"
#include "engine/count_text.h"
#include "reads_importer/read_file_conversion.h"

namespace vesmar {

namespace {

// Warns of what a file's conversion suggests was not meant.
void warn_of_surprises(const std::string& path, const FileConversion& conversion, ReadFormat format,
                       Console& console) {
  if (format == ReadFormat::fastq && conversion.lines % 4 != 0) {
    console.warn(path + " has " + std::to_string(conversion.lines) +
                 " lines, not a multiple of four; the files after it are read out of step with their records");
  }
  if (format == ReadFormat::fasta && conversion.looks_like_fastq) {
    console.warn(path + " looks like FASTQ (an \"@\" line, then a \"+\" line two lines on) but was read as FASTA: "
                        "its quality lines are taken as reads too");
  }
  if (format == ReadFormat::fastq && conversion.looks_like_fasta) {
    console.warn(path + " looks like FASTA (it begins with a \">\" header line) but was read as FASTQ: only the "
                        "second line of every four is taken as a read");
  }
  if (conversion.reads == 0) console.warn(path + " gave no reads");
}

// Converts one input file into `output`, announced on a "Reading " line, and
// gives the number of reads it gave. Fails when the file cannot be opened or
// read to its end.
Result<std::uint64_t> import_file(const std::string& path, ConversionState& state, OutputFile& output,
                                  Console& console) {
  console.print("Reading ");
  console.print(path);
  console.print("\n");
  Result<LineReader> input = LineReader::open(path, LineReader::Decoding::GzipByMagic);
  if (!input.ok()) return input.failure();
  const FileConversion conversion = convert_file(input.value(), state, output);
  if (conversion.read_failure) return *conversion.read_failure;
  warn_of_surprises(path, conversion, state.format, console);
  return conversion.reads;
}

}  // namespace

Result<RunOutcome> run_reads_importer(const ReadsImporterSettings& settings, Console& console) {
  Result<std::unique_ptr<OutputFile>> created =
      OutputFile::create(settings.reads_file_path, OutputFile::Mode::Replace);
  if (!created.ok()) return created.failure();
  OutputFile& output = *created.value();

  ConversionState state{settings.format};
  std::uint64_t reads = 0;
  for (const std::string& path : settings.input_paths) {
    // A file that cannot be read stops the run: the reads file it would
    // leave would lack its reads, and an older one is better kept.
    Result<std::uint64_t> imported = import_file(path, state, output, console);
    if (!imported.ok()) return imported.failure();
    reads += imported.value();
    if (output.failed()) break;
  }
  if (Status written = output.commit(); !written.ok()) return written.failure();
  console.print("Done.\n");
  return RunOutcome{{settings.reads_file_path},
                    {"wrote " + settings.reads_file_path + ": " + count_text(reads, "read", "reads") + " from " +
                     count_text(static_cast<std::int64_t>(settings.input_paths.size()), "file", "files")}};
}

}  // namespace vesmar
