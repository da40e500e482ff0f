#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/console.h"
#include "engine/failure.h"
#include "engine/line_reader.h"

namespace vesmar {

// Every path the programs use is relative to the working directory (the folder
// that holds the user's Desktop): the package folder "Desktop/vesmar/", one of
// its sub-folders and a file name, or "Desktop/" and a file of the user's own.
// The folders come with the package and no program creates one, except
// Genome_overview and Candidate_rank: they make their output folders,
// Overview/ and Candidates/, when they are missing
// (a package set up before them has none).
inline constexpr std::string_view kDesktopFolder = "Desktop/";
inline constexpr std::string_view kPackageFolder = "Desktop/vesmar/";
inline constexpr std::string_view kSequenceReadsFolder = "Desktop/vesmar/Sequence_reads/";
inline constexpr std::string_view kGenomeSequencesFolder = "Desktop/vesmar/Genome_sequences/";
inline constexpr std::string_view kAlignmentResultsFolder = "Desktop/vesmar/Alignment_results/";
inline constexpr std::string_view kFeatureLocationsFolder = "Desktop/vesmar/Feature_locations/";
inline constexpr std::string_view kSnpResultsFolder = "Desktop/vesmar/SNP_results/";
inline constexpr std::string_view kDeletionResultsFolder = "Desktop/vesmar/Deletion_results/";
inline constexpr std::string_view kOverviewFolder = "Desktop/vesmar/Overview/";
inline constexpr std::string_view kCandidatesFolder = "Desktop/vesmar/Candidates/";

// The folders of a package as the lab sets it up; the programs make
// Overview/ and Candidates/ when they first write there.
inline constexpr std::array<std::string_view, 6> kPackageSubFolders{
    kSequenceReadsFolder, kGenomeSequencesFolder, kAlignmentResultsFolder,
    kFeatureLocationsFolder, kSnpResultsFolder, kDeletionResultsFolder};

// Makes `folder` (one of the above) when it is missing, as the programs that
// write into Overview/ and Candidates/ do; fails naming it when it cannot.
Status make_package_folder(std::string_view folder);

// `folder` followed by `file_name`.
std::string path_in(std::string_view folder, std::string_view file_name);

// Whether a file name given as an option is a path of the user's own, used
// as it is: an absolute path, or one that starts with "./" or "../" (from
// the folder the program runs in, after -C). Any other name is a bare name,
// which means on the command line what it means in the dialogue: a file of
// the program's folder.
bool is_own_path(std::string_view name);

// The path of a file given as an option: `name` itself when it is a path
// of the user's own, otherwise `folder` followed by it.
std::string option_file_path(std::string_view folder, std::string_view name);

// The report each scanner writes for a first name and the region file it
// searched ("cexons.txt"), as the first name and the region file's name
// joined: SNP_results/NAME_snp_cexons.txt for Point_scan,
// Deletion_results/NAME_del_cexons.txt for Gap_region_scan. Genome_overview
// finds the scanners' VCF and BED files beside them (companion_path).
std::string snp_report_path(std::string_view first_name, std::string_view region_file_name);
std::string deletion_report_path(std::string_view first_name, std::string_view region_file_name);

// Candidate_rank's files for a ranked strain, in Candidates/:
// NAME_candidates.tsv, NAME_linked.bed and NAME_candidates.html (which
// Genome_overview's page links to when it is there).
std::string candidates_table_path(std::string_view strain);
std::string linked_bed_path(std::string_view strain);
std::string candidates_page_path(std::string_view strain);

// The path of a file written beside a report, of the same base name:
// `extension` (".vcf", ".bed") in place of the report's ".txt", or after its
// name when it has none.
std::string companion_path(std::string_view report_path, std::string_view extension);

// The start of the warning about report rows that a companion file cannot
// hold: "1 row of the report is not in PATH", "2 rows ... are ...".
std::string rows_not_in(std::int64_t rows, std::string_view companion);

// The scanners' warning about an input file written with Windows line ends
// (LineReader::windows_line_ends()). They read it as it stands, so a
// carriage return ends each of its lines, where it makes names and
// chromosomes match nothing and ends windows and sequences with a character
// that is no base. Warns of the alignment results file first (when it was
// read, `alignment` is its reader, which saw them), then of each of
// `tables`, in their order.
void warn_of_windows_line_ends(Console& console, std::string_view alignment_path, const LineReader* alignment,
                               const std::vector<std::string>& tables);

}  // namespace vesmar
