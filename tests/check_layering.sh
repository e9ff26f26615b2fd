#!/usr/bin/env bash
# The system's own code builds and runs with no window system or device backend: none of its
# files may include a Qt, libudev or Linux header.
set -euo pipefail
cd "$(dirname "$0")/.."
hits=$(grep -rnE '#\s*include\s*[<"](Q[A-Za-z]*|qt[a-z]*/|libudev\.h|linux/|scsi/|sys/ioctl\.h|fcntl\.h|unistd\.h)' \
  app device firmware assess update flash || true)
if [ -n "$hits" ]; then
  echo "platform headers in the system's own code:"
  echo "$hits"
  exit 1
fi
echo "layering ok"
