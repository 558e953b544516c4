#!/usr/bin/env bash
# Builds Tessel if needed and starts it; any arguments are handed to it (files to open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/bin/tessel "$@"
