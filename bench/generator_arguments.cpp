#include "bench/generator_arguments.h"

#include <charconv>

namespace vesmar::bench {

Result<GeneratorSettings> parse_generator_arguments(const std::vector<std::string>& arguments) {
  GeneratorSettings settings;
  settings.scale = *scale_named("small");
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help") return Failure{std::string(kGeneratorUsage), 0};
    if (argument == "--version") return Failure{std::to_string(kGeneratorVersion) + "\n", 0};
    if (argument == "--stress") {
      settings.stress = true;
      continue;
    }
    if (argument != "--scale" && argument != "--seed" && argument != "--out") {
      return Failure{"unknown argument " + argument + "\n" + std::string(kGeneratorUsage), 2};
    }
    if (i + 1 == arguments.size()) return Failure{argument + " needs a value", 2};
    const std::string& value = arguments[++i];
    if (argument == "--scale") {
      std::optional<BenchScale> scale = scale_named(value);
      if (!scale) return Failure{"--scale must be genome, medium or small, not " + value, 2};
      settings.scale = *scale;
    } else if (argument == "--seed") {
      const char* end = value.data() + value.size();
      auto [stop, error] = std::from_chars(value.data(), end, settings.seed);
      if (error != std::errc() || stop != end) return Failure{"--seed must be a whole number, not " + value, 2};
    } else {
      settings.folder = value;
    }
  }
  if (settings.folder.empty()) return Failure{"--out FOLDER is required\n" + std::string(kGeneratorUsage), 2};
  return settings;
}

}  // namespace vesmar::bench
