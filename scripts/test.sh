#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
export TMPDIR=/tmp
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
