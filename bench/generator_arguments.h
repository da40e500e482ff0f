#pragma once

#include <string>
#include <vector>

#include "bench/bench_package.h"
#include "engine/failure.h"

namespace vesmar::bench {

inline constexpr std::string_view kGeneratorUsage =
    "usage: bench_generate --out FOLDER [--scale genome|medium|small] [--seed N] [--stress] [--results-only]\n"
    "       bench_generate --version\n"
    "Writes a synthetic package folder for the benchmark into FOLDER (default\n"
    "scale small, seed 1). The same scale and seed always give the same files;\n"
    "--results-only writes only the alignment results and feature location files.\n";

// The settings from the command line (without the program name). A wrong or
// missing argument is a usage failure that says which; "--help" and
// "--version" give settings whose early_text is the usage or the
// generator's version.
Result<GeneratorSettings> parse_generator_arguments(const std::vector<std::string>& arguments);

}  // namespace vesmar::bench
