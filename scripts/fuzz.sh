#!/usr/bin/env bash
# Builds the fuzzers with clang (AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer) and
# runs each for a bounded number of inputs. FUZZ_RUNS sets how many (default 20000).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILL_BUILD_FUZZ=ON -DQUILL_BUILD_TESTS=OFF -DQUILL_WITH_QT=OFF -DQUILL_WITH_LINUX=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build_dir" --target discovery_fuzzer identity_fuzzer
for f in discovery identity; do
  mkdir -p "$build_dir/corpus/$f"
  log="$build_dir/$f.log"
  if ! "$build_dir/fuzz/${f}_fuzzer" -runs="${FUZZ_RUNS:-20000}" -seed=1 "$build_dir/corpus/$f" \
      fuzz/seeds/$f >"$log" 2>&1; then
    cat "$log"
    exit 1
  fi
  echo "$f fuzzer: $(tail -n 1 "$log")"
done
