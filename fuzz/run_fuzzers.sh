#!/bin/sh
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs each for SECONDS:
#
#   sh fuzz/run_fuzzers.sh SECONDS [TARGET...]
#
# Without TARGET names every target runs. At most FUZZ_JOBS targets run at a
# time (default: 2, fewer on a machine with fewer cores). Each target starts
# from its seeds in fuzz/corpus/<target>/ and from the inputs earlier runs
# found (build/fuzz/corpus/<target>/, kept between runs); an input that makes
# it fail is written to fuzz/regressions/<target>/, which the normal build's
# tests replay, so commit it with the fix. Logs go to build/fuzz/logs/, and
# every run adds a line to build/fuzz/fuzz_time.log: target, seconds it ran,
# result, time.
# The exit status is 1 when any target failed.
set -e
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || ! [ "$1" -gt 0 ] 2>/dev/null; then
  echo "usage: sh fuzz/run_fuzzers.sh SECONDS [TARGET...]" >&2
  exit 2
fi
seconds=$1
shift

VESMAR_EXTRA_PACKAGES="clang libclang-rt-14-dev" sh scripts/install_packages.sh

cores=$(nproc 2>/dev/null || echo 1)
jobs=${FUZZ_JOBS:-2}
[ "$jobs" -gt "$cores" ] && jobs=$cores
[ "$jobs" -lt 1 ] && jobs=1

# Absolute paths: the dialogue targets work inside a scratch folder of their own.
source=$(pwd)
build=$source/build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVESMAR_FUZZ=ON -DVESMAR_TESTS=OFF -DVESMAR_SKIP_FOLDERS=bench >/dev/null
cmake --build "$build" -j "$cores" --target vesmar_fuzzers

if [ $# -eq 0 ]; then
  set -- $(cd "$build/fuzz" && ls fuzz_* | grep -v '\.' | sed 's/^fuzz_//')
fi
mkdir -p "$build/logs"
# The targets write small files thousands of times a second: on a disk file
# system, emptying and rewriting a file waits for the disk.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

# Runs one target in the background; its result goes to logs/<target>.status.
run_target() {
  target=$1
  mkdir -p "$build/corpus/$target" "$source/fuzz/regressions/$target"
  dictionary=""
  [ -f "$source/fuzz/dictionaries/$target.dict" ] && dictionary="-dict=$source/fuzz/dictionaries/$target.dict"
  (
    status=0
    started=$(date +%s)
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$source/fuzz/regressions/$target/" $dictionary \
      "$build/corpus/$target" "$source/fuzz/corpus/$target" >"$build/logs/$target.log" 2>&1 || status=$?
    elapsed=$(($(date +%s) - started))
    if [ $status -eq 0 ]; then result=ok; else result="failed($status)"; fi
    echo "$result $elapsed" >"$build/logs/$target.status"
    echo "$target $elapsed $result $(date -u +%Y-%m-%dT%H:%M:%SZ)" >>"$build/fuzz_time.log"
  ) &
  pids="$pids $!"
}

pids=""
running=0
for target in "$@"; do
  if [ ! -x "$build/fuzz/fuzz_$target" ]; then
    echo "no fuzz target $target" >&2
    exit 2
  fi
  rm -f "$build/logs/$target.status"
  echo "== fuzzing $target for $seconds s"
  run_target "$target"
  running=$((running + 1))
  if [ $running -ge "$jobs" ]; then
    # Wait for the oldest before starting another.
    first=$(echo $pids | cut -d' ' -f1)
    wait $first || true
    pids=$(echo $pids | cut -s -d' ' -f2-)
    running=$((running - 1))
  fi
done
for pid in $pids; do wait "$pid" || true; done

failed=0
for target in "$@"; do
  read -r result elapsed 2>/dev/null <"$build/logs/$target.status" || result="no result"
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/logs/$target.log" | grep -o '[0-9]*$' || true)
  echo "$target: $result, ${runs:-?} inputs in ${elapsed:-?} s"
  if [ "$result" != ok ]; then
    failed=1
    grep -E 'ERROR|SUMMARY|fuzz check failed|Test unit written' "$build/logs/$target.log" | head -20 || true
  fi
done
exit $failed
