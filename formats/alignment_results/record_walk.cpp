#include "formats/alignment_results/record_walk.h"

namespace vesmar {
namespace {

bool processor_has_wide_walks() {
#if defined(VESMAR_WIDE_WALKS)
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
         __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt") &&
         __builtin_cpu_supports("pclmul");
#else
  return false;
#endif
}

bool wide = processor_has_wide_walks();

}  // namespace

bool wide_walks() { return wide; }

void set_wide_walks(bool on) { wide = on && processor_has_wide_walks(); }

}  // namespace vesmar
