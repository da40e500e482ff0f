// Writes the bundled example: a working folder with a Desktop that holds
// chromosome I, read files in the three formats, and the package folder with
// an alignment results file and the feature location files.

#include <iostream>
#include <string_view>

#include "examples/example_files.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::string_view(argv[1]) == "--help") {
    std::cerr << "usage: vesmar_example_package FOLDER\n"
                 "Writes the example into FOLDER (the folder that then holds Desktop/).\n";
    return argc == 2 ? 0 : 2;
  }
  const vesmar::Status written = vesmar::example::write_example(argv[1]);
  if (!written.ok()) return vesmar::report_failure("vesmar_example_package", written.failure());
  return 0;
}
