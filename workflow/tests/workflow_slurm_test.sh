#!/bin/bash
# Runs the bundled example's batch (workflow/config.yaml: Anna's, Bea's and
# the parent's reads through bwa) on a one-node SLURM cluster that the test
# starts on this machine (slurm_cluster.sh), with the profile
# workflow/profiles/slurm unchanged, so that Snakemake submits every job with
# sbatch; then runs it locally with --cores 2 and checks that both wrote the
# same files, byte for byte. A second run through the cluster does nothing.
# When the cluster cannot start, the test fails with the reason. The daemons
# are stopped at the end, whatever happens.
#
#   workflow_slurm_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
build=$1
source=$2
work=$(mktemp -d)
. "$source/workflow/tests/slurm_cluster.sh"
trap 'stop_slurm_cluster; rm -rf "$work"' EXIT
fail() { echo "workflow_slurm_test: $*" >&2; exit 1; }
start=$(date +%s)

start_slurm_cluster "$work/cluster" || fail "the SLURM cluster could not start (reason above)"
echo "workflow_slurm_test: the cluster is up: $(sinfo -h -N -o '%N %t %c CPUs')"

bin="$work/bin"
mkdir -p "$bin"
for program in point_scan/Point_scan gap_scan/Gap_region_scan reads_importer/Reads_importer \
               chromosome_join/Chromosome_join alignment_counts/Alignment_counts genome_overview/Genome_overview \
               candidate_rank/Candidate_rank; do
  if [ -x "$build/$program" ]; then ln -s "$build/$program" "$bin/"; fi
done
candidates=false
[ -x "$bin/Candidate_rank" ] && candidates=true
for command in clear PAUSE; do printf '#!/bin/sh\nexit 0\n' > "$bin/$command"; chmod +x "$bin/$command"; done
export PATH="$bin:$PATH"

for home in cluster_home local_home; do
  "$build/examples/vesmar_example_package" "$work/$home"
  for file in lane2.fastq Bea_R1.fastq Bea_R2.fastq; do
    gzip -c "$work/$home/Desktop/$file" > "$work/$home/Desktop/$file.gz"
  done
done

run_workflow() {
  local home=$1
  shift
  (cd "$work" && snakemake -s "$source/workflow/Snakefile" --directory "$work/state_$home" \
     --config home="$work/$home" programs="$bin" candidates=$candidates "$@")
}
run_workflow cluster_home --profile "$source/workflow/profiles/slurm" > "$work/cluster.log" 2>&1 ||
  { cat "$work/cluster.log" >&2; fail "the workflow failed on the cluster"; }
submitted=$(grep -c "Submitted job .* with external jobid" "$work/cluster.log" || true)
jobs=$(grep -o "[0-9]* of [0-9]* steps (100%) done" "$work/cluster.log" | tail -n 1 | cut -d' ' -f3)
[ -n "$jobs" ] && [ "$submitted" -ge $((jobs - 1)) ] ||
  { cat "$work/cluster.log" >&2; fail "$submitted jobs went through sbatch, of $jobs"; }
# SLURM's own record of them: each job's log, from the node.
logs=$(ls "$work/state_cluster_home/.snakemake/" | grep -c '^slurm-.*\.log$' || true)
[ "$logs" = "$submitted" ] || fail "$logs SLURM job logs for $submitted jobs submitted"

run_workflow local_home --cores 2 > "$work/local.log" 2>&1 || { cat "$work/local.log" >&2; fail "the local run failed"; }

compared=0
for folder in Genome_sequences Alignment_results SNP_results Deletion_results Overview Candidates; do
  [ -d "$work/local_home/Desktop/vesmar/$folder" ] || continue
  [ "$(ls "$work/local_home/Desktop/vesmar/$folder")" = "$(ls "$work/cluster_home/Desktop/vesmar/$folder")" ] ||
    fail "$folder holds other files on the cluster than locally"
  for file in "$work/local_home/Desktop/vesmar/$folder"/*; do
    name="$folder/$(basename "$file")"
    cmp -s "$file" "$work/cluster_home/Desktop/vesmar/$name" || fail "$name differs between the cluster and the local run"
    compared=$((compared + 1))
  done
done
[ "$compared" -ge 36 ] || fail "only $compared files compared"

run_workflow cluster_home --profile "$source/workflow/profiles/slurm" > "$work/second.log" 2>&1 ||
  { cat "$work/second.log" >&2; fail "the second run on the cluster failed"; }
grep -q "Nothing to be done" "$work/second.log" || { cat "$work/second.log" >&2; fail "the second run did work"; }
echo "workflow_slurm_test: $submitted jobs through sbatch; $compared files as the local run writes them;" \
  "candidate lists: $candidates; $(( $(date +%s) - start )) s"
