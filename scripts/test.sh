#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the unit suites, the
# end-to-end suites (each starts and stops its own private CUPS scheduler), and
# the whole unit test suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/install-deps.sh
bash scripts/build.sh
(cd build && ctest --output-on-failure -j"${JOBS:-2}" --timeout 900)
if [ -f scripts/sanitize.sh ] && [ "${SKIP_SANITIZE:-0}" != 1 ]; then
  bash scripts/sanitize.sh
fi
