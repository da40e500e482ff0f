#include "feature_import/gene_model.h"

#include <algorithm>
#include <optional>

namespace vesmar {

namespace {

enum class PartKind { Exon, Untranslated, Coding };

std::optional<PartKind> part_kind(std::string_view type) {
  if (type == "exon") return PartKind::Exon;
  if (type == "CDS" || type == "stop_codon") return PartKind::Coding;
  constexpr std::string_view kUntranslated[] = {"five_prime_UTR", "three_prime_UTR", "UTR",  "five_prime_utr",
                                                "three_prime_utr", "5UTR",           "3UTR", "untranslated_region"};
  for (const std::string_view name : kUntranslated) {
    if (type == name) return PartKind::Untranslated;
  }
  return std::nullopt;
}

// A line of a transcript's exon, UTR, CDS or stop codon.
struct Part {
  PartKind kind = PartKind::Exon;
  Span span;
  int phase = -1;
  bool from_cds = false;  // a CDS line, whose phase is checked
  std::int64_t line = 0;
  std::size_t chromosome = 0;
  bool forward = true;
};

struct PartsOf {
  std::vector<Part> parts;
  std::int64_t first_line = 0;
  std::string gene_id;  // GTF
  std::string gene_name;
};

// A feature line that is not a part: a gene or transcript, found by its ID.
struct Record {
  std::string parent;
  std::string name;
  std::string transcript_id;
  std::int64_t line = 0;
};

std::string span_text(const Span& span) { return std::to_string(span.first) + "-" + std::to_string(span.last); }

// Spans sorted and those that overlap or touch joined.
std::vector<Span> merged(std::vector<Span> spans) {
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.first < b.first; });
  std::vector<Span> joined;
  for (const Span& span : spans) {
    if (!joined.empty() && span.first <= joined.back().last + 1) {
      joined.back().last = std::max(joined.back().last, span.last);
    } else {
      joined.push_back(span);
    }
  }
  return joined;
}

struct CodingPiece {
  Span span;
  int phase = 0;
  bool from_cds = false;
  std::int64_t line = 0;
};

// The coding pieces in transcript order, pieces that touch joined (a CDS
// and the stop codon after it); nothing when two overlap.
std::optional<std::vector<CodingPiece>> coding_pieces(const std::vector<Part>& parts, bool forward) {
  std::vector<CodingPiece> pieces;
  for (const Part& part : parts) {
    if (part.kind == PartKind::Coding) pieces.push_back({part.span, part.phase < 0 ? 0 : part.phase, part.from_cds, part.line});
  }
  std::sort(pieces.begin(), pieces.end(), [](const CodingPiece& a, const CodingPiece& b) { return a.span.first < b.span.first; });
  std::vector<CodingPiece> joined;
  for (const CodingPiece& piece : pieces) {
    if (!joined.empty() && piece.span.first <= joined.back().span.last) return std::nullopt;
    if (!joined.empty() && piece.span.first == joined.back().span.last + 1) {
      // The phase that counts is the one of the piece that comes first in
      // transcript order.
      if (!forward) {
        joined.back().phase = piece.phase;
        joined.back().from_cds = piece.from_cds;
      }
      joined.back().span.last = piece.span.last;
    } else {
      joined.push_back(piece);
    }
  }
  if (!forward) std::reverse(joined.begin(), joined.end());
  return joined;
}

// What a sequence name of the annotation stands for, looked up once per
// name (an annotation of a draft genome names thousands of scaffolds).
struct Place {
  bool skipped = false;                    // left out by name
  std::optional<std::size_t> chromosome;  // in the layout; nothing: the FASTA files lack it
};

std::string renamed(std::string name) {
  for (std::size_t at = name.find("exon"); at != std::string::npos; at = name.find("exon", at + 4)) name[at] = 'E';
  return name;
}

}  // namespace

Span Transcript::extent() const {
  Span span = exons.front().span;
  for (const ModelExon& exon : exons) {
    span.first = std::min(span.first, exon.span.first);
    span.last = std::max(span.last, exon.span.last);
  }
  return span;
}

std::string plain_name(std::string_view id) {
  const std::size_t colon = id.find(':');
  if (colon != std::string_view::npos && colon > 0 && colon + 1 < id.size() &&
      std::all_of(id.begin(), id.begin() + static_cast<std::ptrdiff_t>(colon),
                  [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; })) {
    return std::string(id.substr(colon + 1));
  }
  for (const std::string_view prefix : {"rna-", "gene-", "cds-"}) {
    if (id.starts_with(prefix) && id.size() > prefix.size()) return std::string(id.substr(prefix.size()));
  }
  return std::string(id);
}

struct GeneModelBuilder::State {
  const ChromosomeLayout& layout;
  std::vector<std::string> skipped;
  std::unordered_map<std::string, std::size_t> transcript_index;
  std::vector<std::string> transcript_keys;
  std::vector<PartsOf> transcripts;
  std::unordered_map<std::string, Record> records;
  std::unordered_map<std::string, Place> places;
  ModelCounts counts;

  bool is_skipped(std::string_view sequence) const {
    return std::any_of(skipped.begin(), skipped.end(), [&](const std::string& name) {
      return name == sequence || same_chromosome_name(name, sequence);
    });
  }

  const Place& place_of(std::string_view sequence) {
    const auto known = places.find(std::string(sequence));
    if (known != places.end()) return known->second;
    Place place{is_skipped(sequence), std::nullopt};
    if (!place.skipped) place.chromosome = find_chromosome(layout, sequence);
    if (!place.skipped && !place.chromosome) counts.unknown_sequences.emplace_back(sequence);
    return places.emplace(std::string(sequence), place).first->second;
  }

  Result<std::optional<std::size_t>> chromosome_of(const AnnotationFeature& feature) {
    const Place& place = place_of(feature.sequence);
    if (place.skipped) {
      ++counts.skipped_features;
      return std::optional<std::size_t>();
    }
    const std::optional<std::size_t> found = place.chromosome;
    if (!found) {
      ++counts.unknown_sequence_features;
      return std::optional<std::size_t>();
    }
    const LayoutChromosome& chromosome = layout.chromosomes[*found];
    if (feature.end > chromosome.length) {
      return Failure{"the " + std::string(feature.type) + " " + std::to_string(feature.start) + "-" +
                     std::to_string(feature.end) + " runs beyond the end of chromosome " + chromosome.name + " (" +
                     std::to_string(chromosome.length) + " bases)"};
    }
    return found;
  }

  PartsOf& transcript(const std::string& key, std::int64_t line) {
    const auto [at, added] = transcript_index.emplace(key, transcripts.size());
    if (added) {
      transcript_keys.push_back(key);
      transcripts.push_back({});
      transcripts.back().first_line = line;
    }
    return transcripts[at->second];
  }
};

GeneModelBuilder::GeneModelBuilder(const ChromosomeLayout& layout, std::vector<std::string> skipped)
    : state_(new State{layout, std::move(skipped), {}, {}, {}, {}, {}, {}}) {}

GeneModelBuilder::~GeneModelBuilder() = default;

Status GeneModelBuilder::add(const AnnotationFeature& feature) {
  State& state = *state_;
  const std::optional<PartKind> kind = part_kind(feature.type);
  if (!kind) {
    if (!feature.id.empty() && !state.records.contains(feature.id)) {
      state.records.emplace(feature.id, Record{feature.parents.empty() ? std::string() : feature.parents.front(),
                                               feature.name.empty() ? feature.gene_name : feature.name,
                                               feature.transcript_id, feature.line});
    }
    return {};
  }
  if (feature.strand != '+' && feature.strand != '-') {
    return Failure{"the strand of the " + std::string(feature.type) + " is neither + nor -"};
  }
  if (feature.type == "CDS" && feature.phase < 0) return Failure{"the CDS has no phase (column 8 is \".\")"};
  Result<std::optional<std::size_t>> chromosome = state.chromosome_of(feature);
  if (!chromosome.ok()) return chromosome.failure();
  if (!chromosome.value()) return {};
  if (feature.parents.empty()) {
    ++state.counts.parentless_parts;
    return {};
  }
  const Part part{*kind, {feature.start, feature.end}, feature.phase, feature.type == "CDS", feature.line,
                  *chromosome.value(), feature.strand == '+'};
  for (const std::string& parent : feature.parents) {
    PartsOf& transcript = state.transcript(parent, feature.line);
    transcript.parts.push_back(part);
    if (transcript.gene_id.empty()) {
      transcript.gene_id = feature.gene_id;
      transcript.gene_name = feature.gene_name;
    }
  }
  return {};
}

namespace {

struct Built {
  std::optional<Transcript> transcript;  // nothing: left out
  std::int64_t phase_disagreements = 0;
};

Result<Built> build_transcript(const PartsOf& parts, std::string_view name, std::string_view file_name) {
  const Part& first = parts.parts.front();
  for (const Part& part : parts.parts) {
    if (part.chromosome != first.chromosome || part.forward != first.forward) {
      return Failure{std::string(file_name) + " line " + std::to_string(part.line) + ": this part of transcript " +
                     std::string(name) + " lies on another chromosome or strand than its part on line " +
                     std::to_string(first.line)};
    }
  }
  Transcript transcript;
  transcript.name = name;
  transcript.chromosome = first.chromosome;
  transcript.forward = first.forward;
  const bool has_exon_lines = std::any_of(parts.parts.begin(), parts.parts.end(),
                                          [](const Part& part) { return part.kind == PartKind::Exon; });
  std::vector<Span> exon_spans;
  for (const Part& part : parts.parts) {
    if (part.kind == PartKind::Untranslated || part.kind == (has_exon_lines ? PartKind::Exon : PartKind::Coding)) {
      exon_spans.push_back(part.span);
    }
  }
  std::vector<Span> exons = merged(std::move(exon_spans));
  if (!transcript.forward) std::reverse(exons.begin(), exons.end());
  for (const Span& span : exons) transcript.exons.push_back({span});

  Built built;
  std::optional<std::vector<CodingPiece>> pieces = coding_pieces(parts.parts, transcript.forward);
  if (!pieces) return built;
  const int first_place = pieces->empty() ? 0 : (3 - pieces->front().phase) % 3;
  for (const CodingPiece& piece : *pieces) {
    const auto holder = std::find_if(transcript.exons.begin(), transcript.exons.end(), [&](const ModelExon& exon) {
      return exon.span.first <= piece.span.first && piece.span.last <= exon.span.last;
    });
    if (holder == transcript.exons.end()) {
      return Failure{std::string(file_name) + " line " + std::to_string(piece.line) + ": the CDS " +
                     span_text(piece.span) + " lies outside the exons of transcript " + std::string(name)};
    }
    if (holder->has_coding()) return built;
    const int place = static_cast<int>((first_place + transcript.coding_length) % 3);
    if (piece.from_cds && transcript.coding_length > 0 && piece.phase != (3 - place) % 3) ++built.phase_disagreements;
    holder->coding = piece.span;
    holder->start_frame = place + 1;
    transcript.coding_length += piece.span.length();
  }
  built.transcript = std::move(transcript);
  return built;
}

}  // namespace

Result<GeneModels> GeneModelBuilder::build(std::string_view file_name) {
  State& state = *state_;
  GeneModels models;
  models.counts = state.counts;
  std::unordered_map<std::string, std::size_t> gene_index;
  std::unordered_map<std::string, std::size_t> name_uses;
  std::vector<std::int64_t> first_lines;
  std::vector<std::size_t> order(state.transcripts.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = i;
    const auto record = state.records.find(state.transcript_keys[i]);
    first_lines.push_back(record == state.records.end()
                              ? state.transcripts[i].first_line
                              : std::min(record->second.line, state.transcripts[i].first_line));
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return first_lines[a] < first_lines[b]; });
  for (const std::size_t i : order) {
    const std::string& key = state.transcript_keys[i];
    const PartsOf& parts = state.transcripts[i];
    const auto record = state.records.find(key);
    const Record* own = record == state.records.end() ? nullptr : &record->second;
    std::string name = own != nullptr && !own->transcript_id.empty() ? own->transcript_id
                       : parts.gene_id.empty()                       ? plain_name(key)
                                                                     : key;
    std::string gene_key;
    std::string gene_name;
    if (!parts.gene_id.empty()) {
      gene_key = parts.gene_id;
      gene_name = parts.gene_name.empty() ? parts.gene_id : parts.gene_name;
    } else if (own != nullptr && !own->parent.empty()) {
      gene_key = own->parent;
      const auto gene = state.records.find(gene_key);
      gene_name = gene != state.records.end() && !gene->second.name.empty() ? gene->second.name : plain_name(gene_key);
    } else {
      gene_key = key;
      gene_name = own != nullptr && !own->name.empty() ? own->name : plain_name(key);
    }
    if (name.find("exon") != std::string::npos) {
      name = renamed(std::move(name));
      ++models.counts.renamed_transcripts;
    }
    if (const std::size_t uses = ++name_uses[name]; uses > 1) {
      name.append("_").append(std::to_string(uses));
      ++models.counts.renamed_transcripts;
    }
    Result<Built> built = build_transcript(parts, name, file_name);
    if (!built.ok()) return built.failure();
    models.counts.phase_disagreements += built.value().phase_disagreements;
    if (!built.value().transcript) {
      ++models.counts.unsplittable_transcripts;
      continue;
    }
    Transcript& transcript = *built.value().transcript;
    const auto [gene, added] = gene_index.emplace(gene_key, models.genes.size());
    if (added) models.genes.push_back(gene_name);
    transcript.gene_index = gene->second;
    transcript.gene = models.genes[gene->second];
    ++models.counts.transcripts;
    if (transcript.coding_length > 0) ++models.counts.coding_transcripts;
    models.transcripts.push_back(std::move(transcript));
  }
  models.counts.genes = static_cast<std::int64_t>(models.genes.size());
  return models;
}

std::vector<std::size_t> chosen_transcripts(const GeneModels& models, bool all_transcripts) {
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::vector<std::size_t> best(models.genes.size(), kNone);
  std::vector<bool> coding_gene(models.genes.size(), false);
  for (std::size_t i = 0; i < models.transcripts.size(); ++i) {
    const Transcript& transcript = models.transcripts[i];
    std::size_t& chosen = best[transcript.gene_index];
    if (transcript.coding_length > 0) coding_gene[transcript.gene_index] = true;
    if (chosen == kNone || transcript.coding_length > models.transcripts[chosen].coding_length) chosen = i;
  }
  std::vector<std::size_t> chosen;
  for (std::size_t i = 0; i < models.transcripts.size(); ++i) {
    const Transcript& transcript = models.transcripts[i];
    const bool keep = all_transcripts ? transcript.coding_length > 0 || !coding_gene[transcript.gene_index]
                                      : best[transcript.gene_index] == i;
    if (keep) chosen.push_back(i);
  }
  return chosen;
}

}  // namespace vesmar
