#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the test suites, the same suites
# built with AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded run of each fuzzer.
# QUICK=1 runs the plain suites only.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export TMPDIR=/tmp

bash scripts/build.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"

if [ "${QUICK:-0}" != 1 ]; then
  BUILD_DIR=build-asan BUILD_TYPE=Debug bash scripts/build.sh -DQUILL_SANITIZE=ON
  ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=1 \
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
  FUZZ_RUNS=${FUZZ_RUNS:-20000} bash scripts/fuzz.sh
fi
