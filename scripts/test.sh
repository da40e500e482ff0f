#!/bin/sh
# Builds the suite twice, plainly and with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test in both builds.
set -e
cd "$(dirname "$0")/.."
sh scripts/install_packages.sh tests
jobs=$(nproc 2>/dev/null || echo 2)
for build in release sanitize; do
  if [ "$build" = sanitize ]; then flags="-DVESMAR_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo"; else flags="-DCMAKE_BUILD_TYPE=Release"; fi
  echo "== $build build"
  cmake -S . -B "build/$build" -G Ninja $flags >/dev/null
  cmake --build "build/$build" -j "$jobs"
  (cd "build/$build" && ctest --output-on-failure -j "$jobs")
done
