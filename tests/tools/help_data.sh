#!/usr/bin/env bash
# help_data.sh DATA_DIR
# The name data beside the reference lists, the help-topic rules and the committed help pages
# agree: every .tsv row is well formed and names an entry of its list, and regenerating the
# pages from the data gives the committed bytes, whose every link resolves. Exits 77 (skipped)
# without python3.
set -euo pipefail
export PYTHONDONTWRITEBYTECODE=1
command -v python3 >/dev/null || { echo "python3 is not installed"; exit 77; }
here=$(cd "$(dirname "$0")" && pwd)
python3 "$here/../../tools/help/build_help.py" --check "$1"
links=$(python3 "$here/../../tools/check_help_anchors.py" "$1") || { echo "$links"; exit 1; }
tail -n 1 <<<"$links"
