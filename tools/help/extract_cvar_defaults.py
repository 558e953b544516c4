#!/usr/bin/env python3
"""Print the default value and flags of every console variable that a Quake 2
or Quake 3 GPL source tree registers, as a tab-separated table for the help
page generator.

Usage:
    tools/help/extract_cvar_defaults.py q2|q3 SRCROOT > tools/help/defaults_q2.tsv
    tools/help/extract_cvar_defaults.py osp SRCROOT > tools/help/defaults_osp.tsv

"osp" reads only code/game/g_main.c (the gameCvarTable) of a game module
source laid out like id's Quake 3 tree, here the OSP 1.03a server module as
recovered in snems/OSP2srv.

Output lines: name <TAB> default <TAB> flags, where flags is a blank-separated
list of archive, userinfo, serverinfo, latch, cheat, rom, init, systeminfo
(empty when there are none).  The first registration found wins; a variable
registered again with another default is marked "varies" in the default
column.  The sources are read the same way tools/extract_names.py reads them
(same folders, same preprocessor handling); nothing is downloaded.
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


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("q2", "q3", "osp"):
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    print("# cvar\tdefault\tflags  (made by tools/help/extract_cvar_defaults.py %s)" % sys.argv[1])
    for name, default, flags in collect(sys.argv[2], sys.argv[1]):
        print("%s\t%s\t%s" % (name, default, flags))
    return 0


if __name__ == "__main__":
    sys.exit(main())
