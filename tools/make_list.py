#!/usr/bin/env python3
"""Write one of Tessel's reference lists from plain name lists.

Usage:
    make_list.py OUTFILE [--exclude FILE]... [--drop-release] [INPUT]...

Reads names, one per line, from the INPUT files (standard input when none
is given).  Blank lines and lines starting with '#' are ignored, so the
curated input files under tools/curated/ can carry notes.  Names listed in
an --exclude file are left out (compared case-insensitively); with
--drop-release the "-name" halves of "+name"/"-name" button pairs are left
out, since the engine sends them by itself when the key is released.

The result has no duplicates (compared case-insensitively; the first
spelling wins), is sorted case-insensitively (numbers by value), and is written as 8-bit
Latin-1 text with CR LF after every line, the format the program reads.
"""

import argparse
import re
import sys


def read_names(stream):
    for line in stream:
        name = line.rstrip('\r\n').strip()
        if name and not name.startswith('#'):
            yield name


def sort_key(name):
    """Case-insensitive order in which numbers count by value, so that
    F2 comes before F10 and "weapon 9" before "weapon 10"."""
    parts = re.split(r'(\d+)', name.lower())
    return [(0, int(p), '') if p.isdigit() else (1, 0, p) for p in parts], name


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('outfile')
    ap.add_argument('inputs', nargs='*')
    ap.add_argument('--exclude', action='append', default=[])
    ap.add_argument('--drop-release', action='store_true')
    args = ap.parse_intermixed_args()

    excluded = set()
    for path in args.exclude:
        with open(path, encoding='latin-1') as f:
            excluded.update(n.lower() for n in read_names(f))

    names = []
    if args.inputs:
        for path in args.inputs:
            with open(path, encoding='latin-1') as f:
                names.extend(read_names(f))
    else:
        names.extend(read_names(sys.stdin))

    seen, kept = set(), []
    for name in names:
        key = name.lower()
        if key in seen or key in excluded:
            continue
        if args.drop_release and name.startswith('-') and len(name) > 1:
            continue
        seen.add(key)
        kept.append(name)
    if not kept:
        sys.exit(f'{args.outfile}: no entries')
    kept.sort(key=sort_key)

    data = ''.join(n + '\r\n' for n in kept)
    with open(args.outfile, 'wb') as f:
        f.write(data.encode('latin-1'))
    print(f'{args.outfile}: {len(kept)} entries')


if __name__ == '__main__':
    main()
