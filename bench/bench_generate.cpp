#include <iostream>
#include <string>
#include <vector>

#include "bench/bench_package.h"
#include "bench/generator_arguments.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  vesmar::Result<vesmar::bench::GeneratorSettings> settings = vesmar::bench::parse_generator_arguments(arguments);
  if (!settings.ok()) return vesmar::report_failure("bench_generate", settings.failure());
  if (!settings.value().early_text.empty()) {
    std::cout << settings.value().early_text;
    return 0;
  }
  vesmar::Result<std::string> manifest = vesmar::bench::generate_package(settings.value());
  if (!manifest.ok()) return vesmar::report_failure("bench_generate", manifest.failure());
  std::cout << manifest.value();
  return 0;
}
