#!/usr/bin/env bash
# Sets up the machine, builds the tool and runs a complete simulated two-stage update of a
# product running old Application Code, on the terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec ./build/frontend/quill-pcisp --headless --simulate application-old --update \
  --tick-ms "${TICK_MS:-200}" "$@"
