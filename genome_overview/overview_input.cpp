#include "genome_overview/overview_input.h"

#include "engine/line_reader.h"
#include "formats/gap_bed/bed_record.h"
#include "formats/record_lines/record_merge.h"
#include "formats/snp_vcf/vcf_record.h"

namespace vesmar {

namespace {

template <class Record>
Result<RecordFile<Record>> open_record_file(const std::string& path, typename RecordFile<Record>::ReadLine read_line) {
  // A file compressed with gzip or bgzip is read as the text it holds.
  Result<LineReader> reader = LineReader::open(path, LineReader::Decoding::GzipByMagic);
  if (!reader.ok()) return reader.failure();
  return RecordFile<Record>(LineStream(std::move(reader.value())), std::move(read_line));
}

template <class Record>
std::vector<FileTally> tallies_of(const std::vector<RecordFile<Record>>& files) {
  std::vector<FileTally> tallies;
  for (const RecordFile<Record>& file : files) tallies.push_back(file.tally());
  return tallies;
}

}  // namespace

Result<std::vector<FileTally>> read_snp_files(std::span<const SnpFile> files, Overview& overview) {
  const ChromosomeLayout& layout = overview.layout();
  std::vector<RecordFile<SnpRecord>> opened;
  for (const SnpFile& file : files) {
    Result<RecordFile<SnpRecord>> one = open_record_file<SnpRecord>(
        file.path,
        [file_class = file.file_class, &layout](std::string_view line, SnpRecord& record, FileTally& tally) {
          const LineKind kind = read_vcf_line(line, file_class, layout, record);
          if (kind == LineKind::Header) {
            if (auto setting = vcf_setting(line)) tally.settings.emplace_back(setting->first, setting->second);
          }
          return kind;
        });
    if (!one.ok()) return one.failure();
    opened.push_back(std::move(one.value()));
  }
  const Status read =
      merge_in_order(opened, [&](const std::vector<SnpRecord>& place) { overview.add_snp_place(place); });
  if (!read.ok()) return read.failure();
  return tallies_of(opened);
}

Result<std::vector<FileTally>> read_gap_files(std::span<const std::string> paths, Overview& overview) {
  const ChromosomeLayout& layout = overview.layout();
  std::vector<RecordFile<GapRecord>> opened;
  for (const std::string& path : paths) {
    Result<RecordFile<GapRecord>> one = open_record_file<GapRecord>(
        path, [&layout](std::string_view line, GapRecord& record, FileTally&) {
          return read_bed_line(line, layout, record);
        });
    if (!one.ok()) return one.failure();
    opened.push_back(std::move(one.value()));
  }
  const Status read =
      merge_in_order(opened, [&](const std::vector<GapRecord>& place) { overview.add_gap_place(place); });
  if (!read.ok()) return read.failure();
  return tallies_of(opened);
}

std::vector<std::string> tally_warnings(const FileTally& tally, std::string_view item, const ChromosomeLayout& layout) {
  std::vector<std::string> warnings;
  if (tally.malformed > 0) {
    warnings.push_back(
        tally.path + ": " + std::to_string(tally.malformed) + (tally.malformed == 1 ? " line is" : " lines are") +
        " no record of its kind and left out (the first is line " + std::to_string(tally.first_malformed_line) + ")");
  }
  if (tally.other_chromosomes > 0) {
    warnings.push_back(tally.path + ": " + std::to_string(tally.other_chromosomes) +
                       (tally.other_chromosomes == 1 ? " record lies" : " records lie") +
                       " on none of " + chromosomes_named(layout) + " and " +
                       (tally.other_chromosomes == 1 ? "is" : "are") + " left out");
  }
  if (tally.first_out_of_order_line > 0) {
    warnings.push_back(tally.path + " is not in genome order at line " + std::to_string(tally.first_out_of_order_line) +
                       ": " + std::string(item) + " that other lines also report may be drawn twice");
  }
  return warnings;
}

}  // namespace vesmar
