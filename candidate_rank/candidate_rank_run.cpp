#include "candidate_rank/candidate_rank_run.h"

#include <algorithm>
#include <memory>

#include "candidate_rank/batch_drop.h"
#include "candidate_rank/candidate_annotation.h"
#include "candidate_rank/candidate_files.h"
#include "candidate_rank/candidate_page.h"
#include "candidate_rank/candidate_ranking.h"
#include "candidate_rank/linkage_map.h"
#include "candidate_rank/strain_scan.h"
#include "engine/line_reader.h"
#include "engine/output_file.h"
#include "engine/parallel_tasks.h"
#include "genome/package_paths.h"

namespace vesmar {

namespace {

// The strains' files are read side by side, one a core: each read is a
// pass over a file as long as the genome, and no strain waits on another.
Result<std::vector<StrainScan>> scan_batch(const CandidateRankSettings& settings, Console& console) {
  std::vector<StrainScan> batch(settings.strains.size());
  Status read = run_ordered_tasks(
      settings.strains.size(), usable_cores(),
      [&](std::size_t s) -> Status {
        Result<LineReader> reader =
            LineReader::open(settings.strains[s].alignment_path, LineReader::Decoding::GzipByMagic);
        if (!reader.ok()) return reader.failure();
        Result<StrainScan> scan = scan_strain(reader.value());
        if (!scan.ok()) return scan.failure();
        batch[s] = std::move(scan.value());
        return {};
      },
      [&](std::size_t s) { console.print("Reading " + settings.strains[s].alignment_path + "...\n"); });
  if (!read.ok()) return read.failure();
  return batch;
}

// Each ranked strain's own changes and stretches, the strains side by side:
// every one is a walk beside all the others' lists.
std::vector<OwnFindings> own_findings_of_ranked(const CandidateRankSettings& settings,
                                                std::span<const StrainScan> batch, const ChangeThresholds& thresholds) {
  std::vector<OwnFindings> own(settings.strains.size());
  // The tasks cannot fail.
  (void)run_ordered_tasks(settings.strains.size(), usable_cores(), [&](std::size_t s) -> Status {
    if (settings.strains[s].ranked) own[s] = own_findings(batch, s, thresholds);
    return {};
  });
  return own;
}

}  // namespace

Result<RunOutcome> run_candidate_rank(const CandidateRankSettings& settings, Console& console) {
  console.print("Reading feature locations...\n");
  Result<ChromosomeLayout> layout = load_package_layout();
  if (!layout.ok()) return layout.failure();
  Result<FeatureTables> tables = load_feature_tables();
  if (!tables.ok()) return tables.failure();
  Result<std::vector<StrainScan>> batch = scan_batch(settings, console);
  if (!batch.ok()) return batch.failure();
  std::int64_t positions = 0;
  for (const StrainScan& scan : batch.value()) positions = std::max(positions, scan.positions);
  const GenomeSpans spans = genome_spans(layout.value(), positions);

  console.print("Ranking candidates...\n");
  Annotator annotator(tables.value());
  const ChangeThresholds thresholds{settings.min_mut_reads, settings.min_depth};
  std::vector<OwnFindings> own_of_strain = own_findings_of_ranked(settings, batch.value(), thresholds);
  std::vector<StrainRanking> rankings;
  std::vector<std::vector<Candidate>> candidates;
  std::vector<std::string> names;
  for (std::size_t s = 0; s < settings.strains.size(); ++s) {
    if (!settings.strains[s].ranked) continue;
    const OwnFindings& own = own_of_strain[s];
    StrainRanking ranking;
    ranking.strain = &settings.strains[s];
    ranking.spans = &spans;
    ranking.counts = own.counts;
    ranking.map = map_linkage(own.changes, spans, settings.homozygous_share);
    candidates.push_back(strain_candidates(own.changes, own.stretches, annotator, ranking.map, spans, settings.homozygous_share));
    names.push_back(settings.strains[s].name);
    rankings.push_back(std::move(ranking));
  }
  name_strains_with_gene(candidates, names);
  for (std::size_t r = 0; r < rankings.size(); ++r) {
    rank_candidates(candidates[r], settings.mutagen);
    rankings[r].candidates = std::move(candidates[r]);
  }

  if (Status made = make_package_folder(kCandidatesFolder); !made.ok()) return made.failure();
  std::vector<std::unique_ptr<OutputFile>> files;
  RunOutcome outcome;
  for (const StrainRanking& ranking : rankings) {
    const std::string& name = ranking.strain->name;
    const std::pair<std::string, std::string> contents[] = {
        {candidates_table_path(name), candidates_table(ranking, settings)},
        {linked_bed_path(name), linked_bed(ranking)},
        {candidates_page_path(name), candidates_page(ranking, settings, spans)},
    };
    for (const auto& [path, text] : contents) {
      console.print("Writing " + path + "...\n");
      Result<std::unique_ptr<OutputFile>> file = OutputFile::create(path, OutputFile::Mode::Replace);
      if (!file.ok()) return file.failure();
      file.value()->write(text);
      files.push_back(std::move(file.value()));
      outcome.files.push_back(path);
    }
    const std::string interval = ranking.map.intervals.empty()
                                     ? "no linked interval"
                                     : std::to_string(ranking.map.intervals.size()) + " linked interval" +
                                           (ranking.map.intervals.size() == 1 ? "" : "s");
    outcome.summary.push_back("ranked " + name + ": " + std::to_string(ranking.candidates.size()) + " candidates (" +
                              std::to_string(ranking.counts.changes_kept) + " own changes, " +
                              std::to_string(ranking.counts.stretches_kept) + " own stretches), " + interval);
  }
  std::vector<OutputFile*> all;
  for (const std::unique_ptr<OutputFile>& file : files) all.push_back(file.get());
  if (Status written = commit_together(all); !written.ok()) return written.failure();
  console.print("Done\n");
  return outcome;
}

}  // namespace vesmar
