#!/usr/bin/env python3
"""Write the default value and flags of the console variables that a Quake 2
or Quake 3 GPL source tree registers into the name data of a cvar list.

Usage:
    tools/help/extract_cvar_defaults.py q2 SRCROOT data/Configs/Quake2/q2cvars.tsv
    tools/help/extract_cvar_defaults.py q3 SRCROOT data/Configs/Quake3/q3cvars.tsv
    tools/help/extract_cvar_defaults.py osp SRCROOT data/Configs/Quake3/osps.tsv

"osp" reads only code/game/g_main.c (the gameCvarTable) of a game module
source laid out like id's Quake 3 tree, here the OSP 1.03a server module as
recovered in snems/OSP2srv.

For every entry of the list beside the data file (q2cvars.txt beside
q2cvars.tsv) that the sources register, the default and flags columns of its
row are replaced (a row is added for an entry without one); descriptions and
all other rows stay as they are.  Flags are the engine's CVAR_ flags in the
data files' words (CVAR_NOSET, Quake 2's command-line-only flag, is init).
A default that is the empty string is written "", and a variable registered
twice with different defaults gets an empty (unknown) default.  The first
registration found wins otherwise.  The sources are read the same way
tools/extract_names.py reads them (same folders, same preprocessor
handling); nothing is downloaded.
"""

import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import extract_names as xn  # noqa: E402

STR = xn.STRING
FLAG_NAMES = {
    "CVAR_ARCHIVE": "archive", "CVAR_USERINFO": "userinfo",
    "CVAR_SERVERINFO": "serverinfo", "CVAR_LATCH": "latch",
    "CVAR_NOSET": "init", "CVAR_INIT": "init", "CVAR_ROM": "rom",
    "CVAR_CHEAT": "cheat", "CVAR_SYSTEMINFO": "systeminfo",
    "CVAR_TEMP": "", "CVAR_USER_CREATED": "",
}
ORDER = ["archive", "userinfo", "serverinfo", "systeminfo", "latch", "init",
         "rom", "cheat"]

CALL_RE = re.compile(
    r'(?:\bCvar_Get|\bgi\.cvar|\bri\.Cvar_Get)\s*\(\s*' + STR + r'\s*,\s*' + STR +
    r'\s*,\s*([^)]*)\)')
REGISTER_RE = re.compile(
    r'\btrap_Cvar_Register\s*\(\s*[^,]+,\s*' + STR + r'\s*,\s*' + STR + r'\s*,\s*([^)]*)\)')
ROW_RE = re.compile(r'\{\s*(?:&\s*\w+|NULL)\s*,\s*' + STR + r'\s*,\s*' + STR + r'\s*,\s*([^,}]*)')


def flags_of(expr):
    out = set()
    for token in re.findall(r'CVAR_\w+', expr):
        name = FLAG_NAMES.get(token)
        if name:
            out.add(name)
    return " ".join(f for f in ORDER if f in out)


def collect(root, game):
    if game == "q2":
        files = list(xn.c_files(root, xn.Q2_ENGINE + xn.Q2_GAME["base"]))
    elif game == "osp":
        files = [os.path.join(root, "code", "game", "g_main.c")]
    else:
        files = list(xn.c_files(os.path.join(root, "code"), xn.Q3_ENGINE + xn.Q3_VM))
    table = {}
    order = []
    for path in files:
        text = xn.read_source(path)
        found = []
        found += CALL_RE.findall(text)
        found += REGISTER_RE.findall(text)
        if game in ("q3", "osp") and os.path.basename(path) in ("cg_main.c", "g_main.c", "ui_main.c"):
            for block in re.finditer(r'cvarTable_t\s+\w+\s*\[\s*\]\s*=\s*\{(.*?)\n\s*\}\s*;',
                                     text, re.S):
                found += ROW_RE.findall(block.group(1))
        for name, default, flags in found:
            key = name.lower()
            flags = flags_of(flags)
            if key not in table:
                table[key] = [name, default, flags]
                order.append(key)
            else:
                if table[key][1] != default:
                    table[key][1] = "varies"
                merged = set(table[key][2].split()) | set(flags.split())
                table[key][2] = " ".join(f for f in ORDER if f in merged)
    return [table[k] for k in order]


def update(path, found):
    """Rewrites the data file at path with the defaults and flags of found."""
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    import namedata
    rows, problems = namedata.read(path)
    if problems:
        raise SystemExit("\n".join(problems))
    with open(path, "rb") as handle:
        lines = handle.read().decode("utf-8").split("\n")
    registered = {name.lower(): (default, flags) for name, default, flags in found}
    by_line = {}
    for key, entry in rows.items():
        by_line[entry.line] = entry
    out = []
    for number, line in enumerate(lines, 1):
        entry = by_line.get(number)
        if entry and entry.name.lower() in registered:
            default, flags = registered.pop(entry.name.lower())
            line = "\t".join((entry.name, default, flags, entry.description))
        out.append(line)
    if out and out[-1] == "":
        out.pop()
    for name in namedata.list_entries(path[:-4] + ".txt"):
        if name.lower() in registered:
            default, flags = registered.pop(name.lower())
            out.append("\t".join((name, default, flags, "")))
    with open(path, "wb") as handle:
        handle.write(("\n".join(out) + "\n").encode("utf-8"))


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("q2", "q3", "osp") or not sys.argv[3].endswith(".tsv"):
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    found = []
    for name, default, flags in collect(sys.argv[2], sys.argv[1]):
        found.append((name, '""' if default == "" else "" if default == "varies" else default, flags))
    update(sys.argv[3], found)
    return 0


if __name__ == "__main__":
    sys.exit(main())
