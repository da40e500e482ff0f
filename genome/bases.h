#pragma once

#include <string>
#include <string_view>

namespace vesmar {

// The base that pairs with `base` on the other strand: a with t, c with g,
// in the case it was given. Any other character (n, ?, a gap) is returned as
// it is.
char complement(char base);

// Whether `base` is one of the four lowercase bases a, c, g, t, the letters
// of the reference and of the read windows.
inline bool is_lowercase_base(char base) { return base == 'a' || base == 'c' || base == 'g' || base == 't'; }

// The other strand of `bases`, read in its own direction.
std::string reverse_complement(std::string_view bases);

}  // namespace vesmar
