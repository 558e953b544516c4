#!/usr/bin/env python3
"""Collect console names (keys, commands, cvars) from a Quake 2 or Quake 3
source tree that is already on disk.

Usage:
    extract_names.py q2 SRCROOT keys|commands|cvars|uses [--part base|ctf]
    extract_names.py q3 SRCROOT keys|commands|cvars|uses

"uses" prints ready-made weapon and item selections: "use <item>" for
every Quake 2 item that has a use function (game/g_items.c itemlist),
"weapon <n>" for every Quake 3 weapon number (game/bg_public.h weapon_t).

SRCROOT is the top of an unpacked id Software GPL source release
(Quake-2: the folder holding client/, game/, ctf/ ...; Quake-III-Arena:
the folder holding code/).  The script reads files only; it never
downloads anything.  Names are printed one per line, in the order found,
without duplicates (compared case-insensitively).

Only names are taken from the sources.  Preprocessor blocks are followed
as a retail Windows build of the base game would compile them: "#if 0"
and MISSIONPACK (Team Arena) blocks are skipped, conditions the script
does not know are read on both branches.
"""

import argparse
import os
import re
import sys

STRING = r'"((?:[^"\\\n]|\\.)*)"'


def strip_comments(text):
    """Remove /* */ and // comments, leaving string literals intact."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if c == '"':
            j = i + 1
            while j < n and text[j] != '"' and text[j] != '\n':
                j += 2 if text[j] == '\\' else 1
            out.append(text[i:j + 1])
            i = j + 1
        elif c == "'":
            j = i + 1
            while j < n and text[j] != "'" and text[j] != '\n':
                j += 2 if text[j] == '\\' else 1
            out.append(text[i:j + 1])
            i = j + 1
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
            out.append('\n' * text.count('\n', i, j))
            i = j
        elif text.startswith('//', i):
            j = text.find('\n', i)
            i = n if j < 0 else j
        else:
            out.append(c)
            i += 1
    return ''.join(out)


FALSE_MACROS = {'MISSIONPACK', 'MACOS_X', '__MACOS__', '__linux__', 'DEDICATED',
                'Q3_VM', '__sun__', '__FreeBSD__', 'NDEBUG_NEVER'}
TRUE_MACROS = {'_WIN32', 'WIN32'}


def eval_condition(kind, expr):
    """True, False or None (unknown: read both branches)."""
    expr = expr.strip()
    if kind == 'ifdef':
        if expr in FALSE_MACROS:
            return False
        if expr in TRUE_MACROS:
            return True
        return None
    if kind == 'ifndef':
        if expr in FALSE_MACROS:
            return True
        if expr in TRUE_MACROS:
            return False
        return None
    if expr in ('0',):
        return False
    if expr in ('1',):
        return True
    m = re.fullmatch(r'(!?)\s*defined\s*\(?\s*(\w+)\s*\)?', expr)
    if m:
        neg, name = m.group(1) == '!', m.group(2)
        val = eval_condition('ifdef', name)
        if val is None:
            return None
        return (not val) if neg else val
    return None


def preprocess(text):
    """Drop the lines of inactive conditional blocks."""
    out = []
    stack = []  # each: [active_now, any_branch_taken, parent_active]
    active = True
    for line in text.split('\n'):
        m = re.match(r'\s*#\s*(if|ifdef|ifndef|elif|else|endif)\b(.*)', line)
        if not m:
            out.append(line if active else '')
            continue
        kind, rest = m.group(1), m.group(2)
        if kind in ('if', 'ifdef', 'ifndef'):
            val = eval_condition(kind, rest)
            branch = val is not False
            stack.append([branch, val is True, active, val is None])
            active = active and branch
        elif kind == 'elif' and stack:
            top = stack[-1]
            val = eval_condition('if', rest)
            if top[3] or val is None:
                branch = not top[1]
                top[3] = True
            else:
                branch = (not top[1]) and bool(val)
            top[1] = top[1] or bool(val)
            top[0] = branch
            active = top[2] and branch
        elif kind == 'else' and stack:
            top = stack[-1]
            branch = True if top[3] else not top[1]
            top[0] = branch
            active = top[2] and branch
        elif kind == 'endif' and stack:
            top = stack.pop()
            active = top[2]
        out.append('')
    return '\n'.join(out)


def read_source(path):
    with open(path, encoding='latin-1') as f:
        return preprocess(strip_comments(f.read()))


def c_files(root, folders, exclude=()):
    for folder in folders:
        base = os.path.join(root, folder)
        if not os.path.isdir(base):
            sys.exit(f'missing folder: {base}')
        for dirpath, _dirs, files in os.walk(base):
            for name in sorted(files):
                if name.endswith('.c') and name not in exclude:
                    yield os.path.join(dirpath, name)


def unique(names):
    seen, out = set(), []
    for name in names:
        key = name.lower()
        if name and key not in seen:
            seen.add(key)
            out.append(name)
    return out


def keynames(path):
    text = read_source(path)
    m = re.search(r'keyname_t\s+keynames\s*\[\s*\]\s*=\s*\{(.*?)\n\s*\}\s*;', text, re.S)
    if not m:
        sys.exit(f'no keynames[] table in {path}')
    return re.findall(r'\{\s*' + STRING + r'\s*,', m.group(1))


# Printable characters that the key event code passes to the bind table
# as themselves: lower-case letters, digits and the unshifted punctuation
# of a US keyboard.  The semicolon has its own name in the table, the
# double quote cannot be written as a bind argument.
PRINTABLE_KEYS = list('abcdefghijklmnopqrstuvwxyz0123456789') + list("`-=[]\\',./")


# ---------------------------------------------------------------- Quake 2

Q2_ENGINE = ['client', 'server', 'qcommon', 'win32', 'ref_gl', 'ref_soft']
Q2_GAME = {'base': ['game'], 'ctf': ['ctf']}

CMD_RE = re.compile(r'Cmd_AddCommand\s*\(\s*' + STRING)
STRICMP_CMD_RE = re.compile(r'Q_stricmp\s*\(\s*cmd\s*,\s*' + STRING + r'\s*\)')
Q2_CVAR_RE = re.compile(r'(?:\bCvar_Get|\bgi\.cvar|\bri\.Cvar_Get)\s*\(\s*' + STRING)


def split_top_level(body):
    """Split the text between the braces of an initialiser into its rows."""
    rows, depth, cur = [], 0, []
    for ch in body:
        if ch == '{':
            depth += 1
            if depth == 1:
                cur = []
                continue
        elif ch == '}':
            depth -= 1
            if depth == 0:
                rows.append(''.join(cur))
                continue
        if depth >= 1:
            cur.append(ch)
    return rows


def q2_usable_items(path):
    """Pickup names of the items whose use function is not NULL."""
    text = read_source(path)
    m = re.search(r'gitem_t\s+itemlist\s*\[\s*\]\s*=\s*\{(.*?)\n\s*\}\s*;', text, re.S)
    if not m:
        sys.exit(f'no itemlist[] table in {path}')
    names = []
    for row in split_top_level(m.group(1)):
        fields = [f.strip() for f in re.split(r',(?=(?:[^"]*"[^"]*")*[^"]*$)', row)]
        if len(fields) > 10 and fields[2] != 'NULL' and fields[10].startswith('"'):
            names.append('use ' + fields[10].strip('"'))
    return names


def q2(root, what, part):
    if what == 'keys':
        return keynames(os.path.join(root, 'client', 'keys.c')) + PRINTABLE_KEYS
    if what == 'uses':
        return q2_usable_items(os.path.join(root, Q2_GAME[part][0], 'g_items.c'))
    folders = Q2_GAME[part] if part == 'ctf' else Q2_ENGINE + Q2_GAME['base']
    names = []
    for path in c_files(root, folders):
        text = read_source(path)
        if what == 'commands':
            names += CMD_RE.findall(text)
            if os.path.basename(path) == 'g_cmds.c':
                names += STRICMP_CMD_RE.findall(text)
        elif what == 'cvars':
            names += Q2_CVAR_RE.findall(text)
    return names


# ---------------------------------------------------------------- Quake 3

Q3_ENGINE = ['client', 'server', 'qcommon', 'renderer', 'win32']
Q3_VM = ['cgame', 'game', 'q3_ui']

Q3_CVAR_RE = re.compile(r'\bCvar_Get\s*\(\s*' + STRING)
Q3_REGISTER_RE = re.compile(r'\btrap_Cvar_Register\s*\(\s*[^,]+,\s*' + STRING)
Q3_TABLE_ROW_RE = re.compile(r'\{\s*(?:&\s*\w+|NULL)\s*,\s*' + STRING)
Q3_TRAP_CMD_RE = re.compile(r'\btrap_AddCommand\s*\(\s*' + STRING)
Q3_CG_TABLE_RE = re.compile(r'\{\s*' + STRING + r'\s*,\s*CG_\w+\s*\}')


def q3(root, what):
    code = os.path.join(root, 'code')
    if what == 'keys':
        return keynames(os.path.join(code, 'client', 'cl_keys.c')) + PRINTABLE_KEYS
    if what == 'uses':
        text = read_source(os.path.join(code, 'game', 'bg_public.h'))
        m = re.search(r'typedef\s+enum\s*\{([^}]*)\}\s*weapon_t\s*;', text)
        if not m:
            sys.exit('no weapon_t enum in game/bg_public.h')
        weapons = [w for w in re.findall(r'\bWP_(\w+)', m.group(1))
                   if w not in ('NONE', 'NUM_WEAPONS')]
        return [f'weapon {n}' for n in range(1, len(weapons) + 1)]
    names = []
    for path in c_files(code, Q3_ENGINE + Q3_VM):
        text = read_source(path)
        base = os.path.basename(path)
        if what == 'commands':
            names += CMD_RE.findall(text)
            if base == 'cg_consolecmds.c':
                names += Q3_CG_TABLE_RE.findall(text)
                names += Q3_TRAP_CMD_RE.findall(text)
            if base in ('g_cmds.c', 'g_svcmds.c', 'ui_atoms.c'):
                names += STRICMP_CMD_RE.findall(text)
        elif what == 'cvars':
            names += Q3_CVAR_RE.findall(text)
            names += Q3_REGISTER_RE.findall(text)
            if base in ('cg_main.c', 'g_main.c', 'ui_main.c'):
                for table in re.finditer(r'cvarTable_t\s+\w+\s*\[\s*\]\s*=\s*\{(.*?)\n\s*\}\s*;',
                                         text, re.S):
                    names += Q3_TABLE_ROW_RE.findall(table.group(1))
    return names


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('game', choices=['q2', 'q3'])
    ap.add_argument('srcroot')
    ap.add_argument('what', choices=['keys', 'commands', 'cvars', 'uses'])
    ap.add_argument('--part', choices=['base', 'ctf'], default='base',
                    help='Quake 2 only: base game or the CTF game module')
    args = ap.parse_args()
    if args.game == 'q2':
        names = q2(args.srcroot, args.what, args.part)
    else:
        names = q3(args.srcroot, args.what)
    for name in unique(names):
        print(name)


if __name__ == '__main__':
    main()
