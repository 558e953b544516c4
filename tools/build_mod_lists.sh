#!/bin/sh
# Rebuild the mod command lists under data/Configs from the curated name
# lists in tools/curated/mods (notes in those files name the sources).
# Usage: tools/build_mod_lists.sh [CONFIGS_DIR]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../data/Configs}
for game in Quake2 Quake3; do
    mkdir -p "$out/$game"
    for src in "$here/curated/mods/$game"/*.txt; do
        python3 "$here/make_list.py" "$out/$game/$(basename "$src")" "$src"
    done
done
