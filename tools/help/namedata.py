"""Read the name data beside the reference lists: data/Configs/<Game>/<list>.tsv.

Each file says what is known about the entries of the .txt list of the same
name: a header line `name<TAB>default<TAB>flags<TAB>description`, then one
row per entry with exactly four TAB-separated fields (UTF-8, LF line ends,
`#` lines are comments, empty lines are ignored).  A malformed row is
reported as `<file>:<line>: <reason>` and skipped; the rest is still used.
"""

import os
from collections import OrderedDict, namedtuple

HEADER = ("name", "default", "flags", "description")

# Engine cvar flags, as the data files write them.
FLAGS = ("archive", "cheat", "latch", "rom", "init", "userinfo", "serverinfo", "systeminfo")

Entry = namedtuple("Entry", "name default flags description line")


def read(path, label=None):
    """({lower-case name: Entry}, [problem]) of one name data file."""
    label = label or path
    rows = OrderedDict()
    problems = []
    with open(path, "rb") as handle:
        raw_lines = handle.read().split(b"\n")
    if raw_lines and raw_lines[-1] == b"":
        raw_lines.pop()
    header_seen = False
    for number, raw in enumerate(raw_lines, 1):
        def report(reason):
            problems.append("%s:%d: %s" % (label, number, reason))
        try:
            line = raw.decode("utf-8")
        except UnicodeDecodeError:
            report("not UTF-8 text")
            continue
        if line.endswith("\r"):
            report("line ends with CR LF, not LF")
            continue
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if not header_seen:
            header_seen = True
            if tuple(fields) != HEADER:
                report("expected the header 'name<TAB>default<TAB>flags<TAB>description'")
            continue
        if len(fields) != 4:
            report("expected 4 TAB-separated fields, found %d" % len(fields))
            continue
        name, default, flags, description = fields
        if not name.strip():
            report("empty name")
            continue
        unknown = [f for f in flags.split() if f not in FLAGS]
        if unknown:
            report("unknown flag %r (known: %s)" % (unknown[0], " ".join(FLAGS)))
            continue
        if name.lower() in rows:
            report("%r is listed again (first on line %d)" % (name, rows[name.lower()].line))
            continue
        rows[name.lower()] = Entry(name, default, flags.split(), description, number)
    if not header_seen:
        problems.append("%s:1: no header line" % label)
    return rows, problems


def list_entries(path):
    """Entries of a reference list (.txt), in file order, as spelt in the file."""
    with open(path, "rb") as handle:
        text = handle.read().decode("latin-1")
    return [line.strip() for line in text.splitlines() if line.strip()]


def check_names(configs_dir):
    """[problem] of every data file below configs_dir: its own format, a list of
    the same name beside it, and every row naming an entry of that list."""
    problems = []
    for game in sorted(os.listdir(configs_dir)):
        folder = os.path.join(configs_dir, game)
        if not os.path.isdir(folder):
            continue
        for name in sorted(os.listdir(folder)):
            if not name.endswith(".tsv"):
                continue
            label = "Configs/%s/%s" % (game, name)
            rows, found = read(os.path.join(folder, name), label)
            problems += found
            list_path = os.path.join(folder, name[:-4] + ".txt")
            if not os.path.isfile(list_path):
                problems.append("%s:1: no list %s beside it" % (label, name[:-4] + ".txt"))
                continue
            known = {e.lower() for e in list_entries(list_path)}
            for key, entry in rows.items():
                if key not in known:
                    problems.append("%s:%d: %r is not an entry of %s"
                                    % (label, entry.line, entry.name, name[:-4] + ".txt"))
    return problems
