#!/bin/sh
# Installs the Debian packages the suite builds with (and, given "tests", the
# field's own tools its tests check the suite's files with; given "example",
# what the example's workflow runs), when one is missing and we may install
# (root). Otherwise says what is missing.
#
#   sh scripts/install_packages.sh [example|tests]
set -e
# libisal-dev: the programs decompress gzip input with ISA-L; zlib1g-dev:
# bench/gzip_measure.sh compares it with zlib; libhts-dev: Alignment_counts
# reads BAM, CRAM and SAM with htslib (and pkg-config finds it).
needed="cmake g++ ninja-build libgtest-dev libisal-dev zlib1g-dev libhts-dev pkg-config"
# snakemake: the workflow's test; bcftools, bedtools, tabix (with bgzip) and
# python3: the tests that read the VCF and BED files; libxml2-utils (xmllint)
# and chromium: the tests that parse and render Genome_overview's page;
# samtools: the test that checks Alignment_counts against samtools mpileup.
# The workflow from reads: snakemake, bwa and samtools (the example); its
# tests also align with minimap2 and run a one-node SLURM cluster
# (slurm-wlm, munge); mosdepth: the benchmark's floor for Alignment_counts.
# python3-gffutils: the real WormBase GFF3 and GTF sample Feature_import reads.
workflow="snakemake bwa samtools"
[ "${1:-}" = example ] && needed="$needed $workflow"
[ "${1:-}" = tests ] &&
  needed="$needed $workflow bcftools bedtools tabix python3 libxml2-utils chromium minimap2 slurm-wlm munge mosdepth python3-gffutils"
[ -n "$VESMAR_EXTRA_PACKAGES" ] && needed="$needed $VESMAR_EXTRA_PACKAGES"
missing=""
for package in $needed; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" = 0 ]; then
  echo "Installing:$missing"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
else
  echo "Missing Debian packages:$missing (run as root, or: sudo apt-get install$missing)" >&2
  exit 1
fi
