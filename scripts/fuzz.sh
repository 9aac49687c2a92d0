#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given seconds (default 30).
# Each target starts from small valid files in fuzz/seeds/<target>/ and from the minimised corpus
# of the long runs in fuzz/corpus/<target>/, and keeps what it finds in fuzz-corpus/<target>/, so
# longer runs go on where the last one stopped. `scripts/fuzz.sh --minimise` folds
# fuzz-corpus/ into fuzz/corpus/ (to be committed).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
minimise=0
[ "$seconds" = --minimise ] && minimise=1 && seconds=0
scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZEPHINE_FUZZ=ON -DZEPHINE_TESTS=OFF -DZEPHINE_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)" --target $(cd fuzz && ls *.cpp | sed 's/\.cpp$//')
status=0
for src in fuzz/*.cpp; do
  name=$(basename "$src" .cpp)
  mkdir -p "fuzz-corpus/$name" "fuzz/corpus/$name"
  if [ $minimise = 1 ]; then
    # Into an empty folder, so that inputs the new ones make needless are dropped too.
    rm -rf "fuzz-corpus/$name.merged" && mkdir "fuzz-corpus/$name.merged"
    if build-fuzz/fuzz/"$name" -merge=1 -max_len=65536 "fuzz-corpus/$name.merged" \
         "fuzz/corpus/$name" "fuzz-corpus/$name" 2>"fuzz-corpus/$name.merge.log"; then
      rm -rf "fuzz/corpus/$name" && mv "fuzz-corpus/$name.merged" "fuzz/corpus/$name"
    else
      status=1
    fi
    echo "== $name: $(ls "fuzz/corpus/$name" | wc -l) inputs in fuzz/corpus/$name"
    continue
  fi
  echo "== $name for ${seconds}s"
  if ! build-fuzz/fuzz/"$name" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="fuzz-corpus/$name-" \
       -max_len=65536 "fuzz-corpus/$name" "fuzz/corpus/$name" "fuzz/seeds/$name" \
       2>"fuzz-corpus/$name.log"; then
    tail -40 "fuzz-corpus/$name.log"
    status=1
  fi
  grep -E 'stat::(number_of_executed_units|average_exec_per_sec)' "fuzz-corpus/$name.log" || true
done
exit $status
