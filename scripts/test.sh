#!/usr/bin/env bash
# Builds Tessel if needed and runs the whole test suite, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build -j "$(nproc)" --output-on-failure
