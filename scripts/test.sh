#!/usr/bin/env bash
# Builds Tessel if needed and runs the whole test suite, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
# The help-data check runs the page generator (tools/help/build_help.py).
if ! command -v python3 >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends python3
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build -j "$(nproc)" --output-on-failure
