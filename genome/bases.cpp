#include "genome/bases.h"

namespace vesmar {

char complement(char base) {
  switch (base) {
    case 'a': return 't';
    case 'c': return 'g';
    case 'g': return 'c';
    case 't': return 'a';
    case 'A': return 'T';
    case 'C': return 'G';
    case 'G': return 'C';
    case 'T': return 'A';
    default: return base;
  }
}

std::string reverse_complement(std::string_view bases) {
  std::string other(bases.rbegin(), bases.rend());
  for (char& base : other) base = complement(base);
  return other;
}

}  // namespace vesmar
