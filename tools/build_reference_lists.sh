#!/bin/sh
# Rebuild the six game reference lists (actions, keys, console variables of
# Quake 2 and Quake 3) from unpacked id Software GPL source trees.
#
# Usage: tools/build_reference_lists.sh QUAKE2_SRC QUAKE3_SRC [CONFIGS_DIR]
#   QUAKE2_SRC  top of the Quake-2 source release (client/, game/, ...)
#   QUAKE3_SRC  top of the Quake-III-Arena source release (code/, ...)
#   CONFIGS_DIR output folder, default data/Configs beside this script
# Nothing is downloaded; the source trees must already be on disk.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
q2=$1
q3=$2
out=${3:-$here/../data/Configs}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
x="python3 $here/extract_names.py"
mk="python3 $here/make_list.py"
c=$here/curated

mkdir -p "$out/Quake2" "$out/Quake3"

$x q2 "$q2" commands > "$tmp/q2.commands"
$x q2 "$q2" uses > "$tmp/q2.uses"
$mk "$out/Quake2/q2binds.txt" --drop-release --exclude "$c/q2binds.exclude" \
    "$tmp/q2.commands" "$tmp/q2.uses" "$c/q2binds.extra"
$x q2 "$q2" keys > "$tmp/q2.keys"
$mk "$out/Quake2/q2keys.txt" "$tmp/q2.keys"
$x q2 "$q2" cvars > "$tmp/q2.cvars"
$mk "$out/Quake2/q2cvars.txt" "$tmp/q2.cvars" "$c/q2cvars.extra"

$x q3 "$q3" commands > "$tmp/q3.commands"
$x q3 "$q3" uses > "$tmp/q3.uses"
$mk "$out/Quake3/q3binds.txt" --drop-release --exclude "$c/q3binds.exclude" \
    "$tmp/q3.commands" "$tmp/q3.uses" "$c/q3binds.extra"
$x q3 "$q3" keys > "$tmp/q3.keys"
$mk "$out/Quake3/q3keys.txt" "$tmp/q3.keys"
$x q3 "$q3" cvars > "$tmp/q3.cvars"
$mk "$out/Quake3/q3cvars.txt" --exclude "$c/q3cvars.exclude" "$tmp/q3.cvars" \
    "$c/q3cvars.extra"
