#include "feature_import/annotation_reader.h"

#include <array>
#include <charconv>

#include "engine/line_scan.h"

namespace vesmar {

namespace {

constexpr std::size_t kColumns = 9;

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Cuts `text` at `separator`: the piece before it, and `text` moved past it.
std::string_view next_piece(std::string_view& text, char separator) {
  const std::size_t at = text.find(separator);
  const std::string_view piece = text.substr(0, at);
  text = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
  return piece;
}

// The attributes the gene model reads, whichever flavour names them.
void keep_attribute(std::string_view key, std::string value, AnnotationFlavour flavour, AnnotationFeature& feature) {
  if (flavour == AnnotationFlavour::Gff3) {
    if (key == "ID") {
      feature.id = std::move(value);
    } else if (key == "Parent") {
      std::string_view list = value;
      while (!list.empty()) {
        const std::string_view parent = next_piece(list, ',');
        if (!parent.empty()) feature.parents.emplace_back(parent);
      }
    } else if (key == "Name") {
      feature.name = std::move(value);
    } else if (key == "transcript_id") {
      feature.transcript_id = std::move(value);
    } else if (key == "gene_id") {
      feature.gene_id = std::move(value);
    } else if (key == "gene_name") {
      feature.gene_name = std::move(value);
    }
    return;
  }
  if (key == "transcript_id") {
    feature.transcript_id = std::move(value);
  } else if (key == "gene_id") {
    feature.gene_id = std::move(value);
  } else if (key == "gene_name") {
    feature.gene_name = std::move(value);
  } else if (key == "transcript_name") {
    feature.name = std::move(value);
  }
}

// GTF's attributes name the transcript and gene of every line; the model
// reads them as GFF3's ID and Parent.
void link_gtf_feature(AnnotationFeature& feature) {
  if (feature.type == "gene") {
    feature.id = feature.gene_id;
    feature.name = feature.gene_name;
  } else if (feature.type == "transcript") {
    feature.id = feature.transcript_id;
    if (!feature.gene_id.empty()) feature.parents.push_back(feature.gene_id);
  } else if (!feature.transcript_id.empty()) {
    feature.parents.push_back(feature.transcript_id);
  }
}

Status read_gff3_attributes(std::string_view text, AnnotationFeature& feature) {
  while (!text.empty()) {
    const std::string_view pair = trimmed(next_piece(text, ';'));
    if (pair.empty()) continue;
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) continue;  // a bare word is no attribute the model reads
    keep_attribute(pair.substr(0, equals), percent_decoded(pair.substr(equals + 1)), AnnotationFlavour::Gff3,
                   feature);
  }
  return {};
}

Status read_gtf_attributes(std::string_view text, AnnotationFeature& feature) {
  for (;;) {
    text = trimmed(text);
    while (!text.empty() && text.front() == ';') text = trimmed(text.substr(1));
    if (text.empty()) break;
    const std::size_t blank = text.find_first_of(" \t");
    if (blank == std::string_view::npos) return Failure{"the attribute \"" + std::string(text) + "\" has no value"};
    const std::string_view key = text.substr(0, blank);
    text = trimmed(text.substr(blank));
    std::string value;
    if (!text.empty() && text.front() == '"') {
      const std::size_t close = text.find('"', 1);
      if (close == std::string_view::npos) {
        return Failure{"the value of the attribute " + std::string(key) + " has no closing quote"};
      }
      value = text.substr(1, close - 1);
      text = text.substr(close + 1);
    } else {
      value = next_piece(text, ';');
      value = trimmed(value);
    }
    keep_attribute(key, std::move(value), AnnotationFlavour::Gtf, feature);
  }
  return {};
}

// Whether column 9 is written as GTF writes it: its first key followed by a
// blank rather than "=".
AnnotationFlavour flavour_of(std::string_view attributes) {
  const std::string_view first = trimmed(attributes);
  const std::size_t stop = first.find_first_of("= \t;");
  return stop != std::string_view::npos && (first[stop] == ' ' || first[stop] == '\t') ? AnnotationFlavour::Gtf
                                                                                       : AnnotationFlavour::Gff3;
}

Result<std::int64_t> coordinate(std::string_view text, std::string_view what) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1) {
    return Failure{"the " + std::string(what) + " \"" + std::string(text) + "\" is not a whole number of 1 or more"};
  }
  return value;
}

Status read_columns(std::string_view line, AnnotationFlavour& flavour, AnnotationFeature& feature) {
  std::array<std::string_view, kColumns> columns;
  std::size_t count = 0;
  std::size_t from = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', from);
    if (count < kColumns) columns[count] = line.substr(from, tab == std::string_view::npos ? tab : tab - from);
    ++count;
    if (tab == std::string_view::npos) break;
    from = tab + 1;
  }
  if (count != kColumns) return Failure{"the line has " + std::to_string(count) + " tab-separated columns, not 9"};
  feature.sequence = columns[0];
  feature.type = columns[2];
  Result<std::int64_t> start = coordinate(columns[3], "start");
  if (!start.ok()) return start.failure();
  Result<std::int64_t> end = coordinate(columns[4], "end");
  if (!end.ok()) return end.failure();
  if (start.value() > end.value()) {
    return Failure{"the start " + std::to_string(start.value()) + " lies after the end " + std::to_string(end.value())};
  }
  feature.start = start.value();
  feature.end = end.value();
  feature.strand = columns[6].size() == 1 ? columns[6][0] : '!';
  if (columns[7] == ".") {
    feature.phase = -1;
  } else if (columns[7] == "0" || columns[7] == "1" || columns[7] == "2") {
    feature.phase = columns[7][0] - '0';
  } else {
    return Failure{"the phase \"" + std::string(columns[7]) + "\" is none of 0, 1, 2 and \".\""};
  }
  if (flavour == AnnotationFlavour::Unknown) flavour = flavour_of(columns[8]);
  return read_attributes(columns[8], flavour, feature);
}

}  // namespace

std::string percent_decoded(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hex_digit(text[i + 1]) >= 0 && hex_digit(text[i + 2]) >= 0) {
      const char byte = static_cast<char>(hex_digit(text[i + 1]) * 16 + hex_digit(text[i + 2]));
      if (static_cast<unsigned char>(byte) >= 0x20 && byte != 0x7f) {
        decoded += byte;
        i += 2;
        continue;
      }
    }
    decoded += text[i];
  }
  return decoded;
}

Status read_attributes(std::string_view text, AnnotationFlavour flavour, AnnotationFeature& feature) {
  if (flavour == AnnotationFlavour::Gtf) {
    if (Status read = read_gtf_attributes(text, feature); !read.ok()) return read;
    link_gtf_feature(feature);
    return {};
  }
  return read_gff3_attributes(text, feature);
}

Status read_annotation(LineReader& reader, const std::function<Status(const AnnotationFeature&)>& use) {
  AnnotationFlavour flavour = AnnotationFlavour::Unknown;
  std::int64_t line_number = 0;
  Status failed;
  bool ended = false;
  AnnotationFeature feature;
  const auto take = [&](std::string_view line) {
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.starts_with("##FASTA")) {
      ended = true;
      return true;
    }
    if (line.starts_with("##gff-version 3") && flavour == AnnotationFlavour::Unknown) flavour = AnnotationFlavour::Gff3;
    if (line.empty() || line.front() == '#') return true;
    feature = AnnotationFeature{};
    feature.line = line_number;
    Status status = read_columns(line, flavour, feature);
    if (status.ok()) status = use(feature);
    if (status.ok()) return true;
    Failure placed = status.failure();
    placed.message = reader.name() + " line " + std::to_string(line_number) + ": " + placed.message;
    failed = std::move(placed);
    return false;
  };
  Status read = read_in_blocks(
      reader,
      [&](const char* begin, const char* stop) {
        LineCursor cursor(begin, stop);
        const char* line;
        std::size_t length;
        while (cursor.next(line, length)) {
          if (!take(std::string_view(line, length)) || ended) return false;
        }
        return true;
      },
      [&](std::string_view last) {
        if (!last.empty()) take(last);
      });
  if (!failed.ok()) return failed;
  return read;
}

}  // namespace vesmar
