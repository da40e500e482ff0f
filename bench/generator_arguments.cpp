#include "bench/generator_arguments.h"

#include <charconv>

namespace vesmar::bench {

Result<GeneratorSettings> parse_generator_arguments(const std::vector<std::string>& arguments) {
  GeneratorSettings settings;
  settings.scale = *scale_named("small");
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "--version") {
      settings.early_text = argument == "--help" ? std::string(kGeneratorUsage) : std::to_string(kGeneratorVersion) + "\n";
      return settings;
    }
    if (argument == "--stress" || argument == "--results-only") {
      (argument == "--stress" ? settings.stress : settings.results_only) = true;
      continue;
    }
    if (argument != "--scale" && argument != "--seed" && argument != "--out") {
      return Failure::usage("unknown argument " + argument + "\n" + std::string(kGeneratorUsage));
    }
    if (i + 1 == arguments.size()) return Failure::usage(argument + " needs a value");
    const std::string& value = arguments[++i];
    if (argument == "--scale") {
      std::optional<BenchScale> scale = scale_named(value);
      if (!scale) return Failure::usage("--scale must be genome, medium or small, not " + value);
      settings.scale = *scale;
    } else if (argument == "--seed") {
      const char* end = value.data() + value.size();
      auto [stop, error] = std::from_chars(value.data(), end, settings.seed);
      if (error != std::errc() || stop != end) return Failure::usage("--seed must be a whole number, not " + value);
    } else {
      settings.folder = value;
    }
  }
  if (settings.folder.empty()) return Failure::usage("--out FOLDER is required\n" + std::string(kGeneratorUsage));
  return settings;
}

}  // namespace vesmar::bench
