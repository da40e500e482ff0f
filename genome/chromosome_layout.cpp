#include "genome/chromosome_layout.h"

#include <algorithm>
#include <charconv>

#include "common/chromosome_offsets.h"
#include "common/genome_padding.h"
#include "common/input_file.h"
#include "common/line_reader.h"
#include "common/number_reader.h"

namespace vesmar {

namespace {

constexpr char kColumnsComment[] =
    "# chromosome\toffset (genome positions before it)\tlength (its bases; each chromosome is padded with g to a "
    "multiple of 50)\n";

bool starts_with_ignoring_case(std::string_view text, std::string_view lowercase_prefix) {
  if (text.size() < lowercase_prefix.size()) return false;
  for (std::size_t i = 0; i < lowercase_prefix.size(); ++i) {
    const char c = text[i];
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != lowercase_prefix[i]) return false;
  }
  return true;
}

// The name less one prefix that spells "chromosome", and an underscore after it.
std::string_view numeral_of(std::string_view name) {
  for (std::string_view prefix : {"chromosome", "chr"}) {
    if (starts_with_ignoring_case(name, prefix)) {
      name.remove_prefix(prefix.size());
      if (name.starts_with('_')) name.remove_prefix(1);
      return name;
    }
  }
  return name;
}

bool is_usable_name(std::string_view name) {
  if (name.empty()) return false;
  return std::none_of(name.begin(), name.end(), [](char c) { return is_c_space(c) || c == '\0'; });
}

// A whole number of digits only, at most kLongestGenome.
std::optional<std::int64_t> whole_number(std::string_view text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > kLongestGenome) {
    return std::nullopt;
  }
  return value;
}

std::string split_field(std::string_view& rest) {
  const std::size_t tab = rest.find('\t');
  std::string field(rest.substr(0, tab));
  rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
  return field;
}

Failure line_failure(const std::string& path, std::int64_t line_number, const std::string& reason) {
  return Failure{path + ", line " + std::to_string(line_number) + ": " + reason};
}

// One chromosome line of a layout file, checked against the offset that the
// chromosomes before it give.
Result<LayoutChromosome> chromosome_of_line(std::string_view line, std::int64_t expected_offset) {
  if (std::count(line.begin(), line.end(), '\t') != 2) {
    return Failure{"not a chromosome line (name, offset and length, separated by tabs)"};
  }
  std::string_view rest = line;
  LayoutChromosome chromosome;
  chromosome.name = split_field(rest);
  const std::string offset_text = split_field(rest);
  const std::string length_text(rest);
  if (!is_usable_name(chromosome.name)) return Failure{"the chromosome name is empty or holds white space"};
  const std::optional<std::int64_t> offset = whole_number(offset_text);
  const std::optional<std::int64_t> length = whole_number(length_text);
  if (!offset) return Failure{"the offset \"" + offset_text + "\" is no whole number up to 2147483647"};
  if (!length) return Failure{"the length \"" + length_text + "\" is no whole number up to 2147483647"};
  if (*offset != expected_offset) {
    return Failure{"chromosome " + chromosome.name + " starts at " + offset_text + ", but the chromosomes before it, " +
                   "each padded to a multiple of 50, end at " + std::to_string(expected_offset)};
  }
  chromosome.offset = *offset;
  chromosome.length = *length;
  return chromosome;
}

}  // namespace

ChromosomeLayout built_in_layout() {
  ChromosomeLayout layout;
  layout.source = std::string(kBuiltInLayoutSource);
  layout.lengths_known = false;
  for (std::size_t i = 0; i < kGenomeChromosomes.size(); ++i) {
    const std::int64_t offset = kGenomeChromosomes[i].offset;
    layout.chromosomes.push_back(
        {std::string(kGenomeChromosomes[i].name), offset, chromosome_room_end(i, kJoinedGenomeLength) - offset});
  }
  return layout;
}

std::int64_t next_offset(std::int64_t offset, std::int64_t length) {
  return offset + length + static_cast<std::int64_t>(padding_length(static_cast<std::uint64_t>(length)));
}

std::int64_t genome_end(const ChromosomeLayout& layout) {
  if (layout.chromosomes.empty()) return 0;
  const LayoutChromosome& last = layout.chromosomes.back();
  return layout.lengths_known ? next_offset(last.offset, last.length) : last.offset + last.length;
}

std::int64_t room_end(const ChromosomeLayout& layout, std::size_t index) {
  return index + 1 < layout.chromosomes.size() ? layout.chromosomes[index + 1].offset : genome_end(layout);
}

Result<ChromosomeLayout> layout_from_lengths(const std::vector<NamedLength>& chromosomes, std::string source) {
  ChromosomeLayout layout;
  layout.source = std::move(source);
  if (chromosomes.empty()) return Failure{layout.source + " holds no chromosome"};
  std::int64_t offset = 0;
  for (const NamedLength& chromosome : chromosomes) {
    if (!is_usable_name(chromosome.name)) {
      return Failure{layout.source + ": the chromosome name \"" + chromosome.name + "\" is empty or holds white space"};
    }
    if (find_chromosome_exactly(layout, chromosome.name)) {
      return Failure{layout.source + " names the chromosome " + chromosome.name + " twice"};
    }
    if (chromosome.length < 0 || next_offset(offset, chromosome.length) > kLongestGenome) {
      return Failure{layout.source + ": the chromosomes up to " + chromosome.name +
                     ", padded, are longer than a genome may be (2147483647 positions)"};
    }
    layout.chromosomes.push_back({chromosome.name, offset, chromosome.length});
    offset = next_offset(offset, chromosome.length);
  }
  return layout;
}

Result<ChromosomeLayout> read_layout_file(const std::string& path) {
  ChromosomeLayout layout;
  layout.source = path;
  std::int64_t line_number = 0;
  std::int64_t next = 0;
  std::optional<Failure> bad_line;
  const Status read = read_each_line(path, [&](std::string_view line) {
    ++line_number;
    if (bad_line) return;
    if (line.ends_with('\r')) line.remove_suffix(1);
    // The piece after the last line feed, and blank lines, hold nothing.
    if (line.empty() || line.starts_with('#')) return;
    Result<LayoutChromosome> chromosome = chromosome_of_line(line, next);
    if (chromosome.ok() && find_chromosome_exactly(layout, chromosome.value().name)) {
      chromosome = Failure{"the chromosome " + chromosome.value().name + " stands in the file twice"};
    }
    if (chromosome.ok() && next_offset(next, chromosome.value().length) > kLongestGenome) {
      chromosome = Failure{"the genome, padded, is longer than a genome may be (2147483647 positions)"};
    }
    if (!chromosome.ok()) {
      bad_line = line_failure(path, line_number, chromosome.failure().message);
      return;
    }
    next = next_offset(next, chromosome.value().length);
    layout.chromosomes.push_back(std::move(chromosome.value()));
  });
  if (!read.ok()) return read.failure();
  if (bad_line) return *bad_line;
  if (layout.chromosomes.empty()) return Failure{path + " holds no chromosome line (name, offset, length)"};
  return layout;
}

std::string layout_file_text(const ChromosomeLayout& layout) {
  std::string text = kColumnsComment;
  for (const LayoutChromosome& chromosome : layout.chromosomes) {
    text += chromosome.name + '\t' + std::to_string(chromosome.offset) + '\t' + std::to_string(chromosome.length) +
            '\n';
  }
  return text;
}

void write_layout(OutputFile& output, const ChromosomeLayout& layout) { output.write(layout_file_text(layout)); }

Result<ChromosomeLayout> load_package_layout() {
  const std::string path(kChromosomeLayoutPath);
  if (!check_exists(path).ok()) return built_in_layout();
  return read_layout_file(path);
}

bool same_chromosome_name(std::string_view first, std::string_view second) {
  if (first == second) return !first.empty();
  const std::string_view numeral = numeral_of(first);
  return !numeral.empty() && numeral == numeral_of(second);
}

std::optional<std::size_t> find_chromosome_exactly(const ChromosomeLayout& layout, std::string_view text) {
  for (std::size_t i = 0; i < layout.chromosomes.size(); ++i) {
    if (layout.chromosomes[i].name == text) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> find_chromosome(const ChromosomeLayout& layout, std::string_view text) {
  if (const std::optional<std::size_t> exact = find_chromosome_exactly(layout, text)) return exact;
  for (std::size_t i = 0; i < layout.chromosomes.size(); ++i) {
    if (same_chromosome_name(layout.chromosomes[i].name, text)) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> find_region_chromosome(const ChromosomeLayout& layout, std::string_view text) {
  return layout.lengths_known ? find_chromosome(layout, text) : find_chromosome_exactly(layout, text);
}

std::optional<std::size_t> chromosome_at(const ChromosomeLayout& layout, std::int64_t position) {
  if (position < 1 || position > genome_end(layout)) return std::nullopt;
  // The last chromosome that starts before the position.
  const auto after = std::upper_bound(layout.chromosomes.begin(), layout.chromosomes.end(), position - 1,
                                      [](std::int64_t p, const LayoutChromosome& c) { return p < c.offset; });
  if (after == layout.chromosomes.begin()) return std::nullopt;
  return static_cast<std::size_t>(after - layout.chromosomes.begin() - 1);
}

Status check_layouts_agree(const ChromosomeLayout& first, const ChromosomeLayout& second) {
  const std::string both = "the chromosomes of " + first.source + " and " + second.source + " differ: ";
  if (first.chromosomes.size() != second.chromosomes.size()) {
    return Failure{both + "the first has " + std::to_string(first.chromosomes.size()) + ", the second " +
                   std::to_string(second.chromosomes.size())};
  }
  for (std::size_t i = 0; i < first.chromosomes.size(); ++i) {
    const LayoutChromosome& a = first.chromosomes[i];
    const LayoutChromosome& b = second.chromosomes[i];
    if (!same_chromosome_name(a.name, b.name)) {
      return Failure{both + "chromosome " + std::to_string(i + 1) + " is " + a.name + " in the first, " + b.name +
                     " in the second"};
    }
    if (first.lengths_known && second.lengths_known && a.length != b.length) {
      return Failure{both + "chromosome " + a.name + " has " + std::to_string(a.length) + " bases in the first, " +
                     std::to_string(b.length) + " in the second"};
    }
    if (a.offset != b.offset) {
      return Failure{both + "chromosome " + a.name + " starts at " + std::to_string(a.offset) + " in the first, " +
                     std::to_string(b.offset) + " in the second"};
    }
  }
  return {};
}

Status check_chromosome_length(const ChromosomeLayout& layout, std::size_t index, std::string_view name,
                               std::int64_t length, std::string_view source) {
  const LayoutChromosome& chromosome = layout.chromosomes[index];
  if (!layout.lengths_known || chromosome.length == length) return {};
  return Failure{std::string(source) + " gives the chromosome " + std::string(name) + " " + std::to_string(length) +
                 " bases, " + layout.source + " " + std::to_string(chromosome.length) +
                 ": they are not the same genome"};
}

}  // namespace vesmar
