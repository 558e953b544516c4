#!/usr/bin/env bash
# validate.sh desktop|metainfo|mime FILE
# Runs the freedesktop.org validator of FILE's kind; exits 77 (skipped) where it is missing.
set -uo pipefail
kind=$1
file=$2
need() { command -v "$1" >/dev/null || { echo "$1 is not installed"; exit 77; }; }

case $kind in
desktop)
    need desktop-file-validate
    desktop-file-validate "$file"
    ;;
metainfo)
    need appstreamcli
    appstreamcli validate --no-net "$file"
    ;;
mime)
    # Builds a database of the type alone: *.cfg at a weight below the default 50, a
    # sub-class of plain text.
    need update-mime-database
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"' EXIT
    mkdir "$dir/packages" && cp "$file" "$dir/packages/" && update-mime-database "$dir" &&
        grep -qx '10:text/x-quake-config:\*\.cfg' "$dir/globs2" &&
        grep -qx 'text/x-quake-config text/plain' "$dir/subclasses"
    ;;
*)
    echo "unknown kind $kind"
    exit 1
    ;;
esac
