#!/usr/bin/env python3
"""Check Tessel's reference lists: every *.txt below the given folder must
be non-empty Latin-1 text without NUL bytes, with CR LF after every line
(no bare CR or LF, no empty lines) and no two entries that differ only in
letter case.  Prints one line per file with its entry count; exits 1 when
any file fails.

Usage: check_lists.py CONFIGS_FOLDER
"""

import pathlib
import sys


def check(path):
    data = path.read_bytes()
    problems = []
    if not data:
        return ['empty file']
    if b'\0' in data:
        problems.append('NUL byte')
    if not data.endswith(b'\r\n'):
        problems.append('last line does not end in CR LF')
    body = data[:-2] if data.endswith(b'\r\n') else data
    lines = body.split(b'\r\n')
    if any(b'\r' in l or b'\n' in l for l in lines):
        problems.append('bare CR or LF')
    if any(not l.strip() for l in lines):
        problems.append('empty line')
    if any(l != l.strip() for l in lines):
        problems.append('leading or trailing blanks')
    text = [l.decode('latin-1') for l in lines]
    seen = {}
    for l in text:
        k = l.lower()
        if k in seen:
            problems.append(f'duplicate: {seen[k]!r} / {l!r}')
        seen[k] = l
    return problems, len(lines)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = pathlib.Path(sys.argv[1])
    failed = False
    files = sorted(root.rglob('*.txt'))
    if not files:
        sys.exit(f'no lists below {root}')
    for path in files:
        result = check(path)
        if isinstance(result, list):
            problems, count = result, 0
        else:
            problems, count = result
        status = 'ok' if not problems else 'FAIL: ' + '; '.join(problems[:5])
        failed |= bool(problems)
        print(f'{count:5d}  {path.relative_to(root)}  {status}')
    sys.exit(1 if failed else 0)


if __name__ == '__main__':
    main()
