#include "engine/fixed_width.h"

namespace vesmar {

std::string heading_line(std::span<const Column> columns) {
  std::string line;
  for (const Column& column : columns) {
    line += column.heading;
    if (column.heading.size() < column.width) line.append(column.width - column.heading.size(), ' ');
    line += ' ';
  }
  // No blank after the last column.
  if (!line.empty()) line.back() = '\n';
  return line;
}

}  // namespace vesmar
