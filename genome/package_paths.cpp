#include "genome/package_paths.h"

#include <sys/stat.h>

#include <cerrno>

namespace vesmar {

Status make_package_folder(std::string_view folder) {
  std::string path(folder);
  if (path.ends_with('/')) path.pop_back();
  if (::mkdir(path.c_str(), 0777) == 0 || errno == EEXIST) return {};
  return Failure::cannot_write("cannot create the folder " + path + ": " + error_text(errno), errno);
}

std::string path_in(std::string_view folder, std::string_view file_name) {
  std::string path;
  path.reserve(folder.size() + file_name.size());
  path.append(folder);
  path.append(file_name);
  return path;
}

bool is_own_path(std::string_view name) {
  return name.starts_with('/') || name.starts_with("./") || name.starts_with("../");
}

std::string option_file_path(std::string_view folder, std::string_view name) {
  return is_own_path(name) ? std::string(name) : path_in(folder, name);
}

std::string snp_report_path(std::string_view first_name, std::string_view region_file_name) {
  return path_in(kSnpResultsFolder, std::string(first_name) + "_snp_" + std::string(region_file_name));
}

std::string deletion_report_path(std::string_view first_name, std::string_view region_file_name) {
  return path_in(kDeletionResultsFolder, std::string(first_name) + "_del_" + std::string(region_file_name));
}

std::string candidates_table_path(std::string_view strain) {
  return path_in(kCandidatesFolder, std::string(strain) + "_candidates.tsv");
}
std::string linked_bed_path(std::string_view strain) {
  return path_in(kCandidatesFolder, std::string(strain) + "_linked.bed");
}
std::string candidates_page_path(std::string_view strain) {
  return path_in(kCandidatesFolder, std::string(strain) + "_candidates.html");
}

std::string companion_path(std::string_view report_path, std::string_view extension) {
  std::string path(report_path.ends_with(".txt") ? report_path.substr(0, report_path.size() - 4) : report_path);
  path += extension;
  return path;
}

std::string rows_not_in(std::int64_t rows, std::string_view companion) {
  return std::to_string(rows) + (rows == 1 ? " row of the report is not in " : " rows of the report are not in ") +
         std::string(companion);
}

void warn_of_windows_line_ends(Console& console, std::string_view alignment_path, const LineReader* alignment,
                               const std::vector<std::string>& tables) {
  const auto warn = [&](std::string_view path) {
    console.warn(std::string(path) +
                 " has Windows line ends (a carriage return before each line feed); they are read as part of "
                 "the lines, where names and chromosomes then match nothing (convert the file with dos2unix)");
  };
  if (alignment != nullptr && alignment->windows_line_ends()) warn(alignment_path);
  for (const std::string& path : tables) warn(path);
}

}  // namespace vesmar
