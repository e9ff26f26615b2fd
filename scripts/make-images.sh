#!/usr/bin/env bash
# Regenerates the demo firmware images in res/firmware/ with the image builder.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" --target quill-image-builder
"$build_dir/tools/quill-image-builder" res/firmware
