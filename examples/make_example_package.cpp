// Writes the bundled example: a working folder with a Desktop that holds
// chromosome I, read files in the three formats, and the package folder with
// an alignment results file and the feature location files.

#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "examples/example_files.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::string_view(argv[1]) == "--help") {
    std::cerr << "usage: vesmar_example_package FOLDER\n"
                 "Writes the example into FOLDER (the folder that then holds Desktop/).\n";
    return argc == 2 ? 0 : 2;
  }
  try {
    vesmar::example::write_example(argv[1]);
  } catch (const std::exception& failure) {
    std::cerr << "vesmar_example_package: " << failure.what() << '\n';
    return 1;
  }
  return 0;
}
