#!/usr/bin/env python3
"""Check that every help link Tessel can make from a reference-list word lands
on an existing help page and an existing anchor.

Usage:
    tools/check_help_anchors.py DATA_DIR [-v]

DATA_DIR is the folder that holds Configs/ (the reference lists) and Help/
(the HTML help pages), normally data/ of the source tree or the program
folder of an installed Tessel.  Exit status 0 when nothing is missing, 1 when
a page or an anchor is missing (or a page is malformed), 2 on usage errors.

THE DERIVATION RULE (the C++ topic lookup must do exactly this)
===============================================================

1. The word.  "Help on <word>" uses the editor's selection, trimmed of
   leading and trailing blanks; a selection that is empty or contains a
   blank gives no word (the topic is then "Introduction.htm").  The word is
   used exactly as selected: no change of letter case, no removal of "+",
   "-", "$", "%" or any other character.

2. The topic, from the document's mod number (ModId) and the word W.
   All comparisons are exact and case-sensitive; "first three characters"
   means the first three characters of W (fewer if W is shorter).

     ModId                           page                                 anchor
     -1                              Introduction.htm                     (none)
     0 1 2 3 4 5 8 9 11              Quake 2 Commands.htm                 W
     13                              Quake 3 Commands.htm                 W
     14, W starts with cf_ cg_ ch_   Quake 3 OSP CVars.htm                "q3osp" + W
         col or pmo
     14, otherwise                   Quake 3 OSP Commands.htm             "q3osp" + W
     15, W is one of addbot          Quake 3 OSP Server Commands.htm      "q3osps" + W
         allready ban filterlist
         filterload loadmaps pause
         players
     15, otherwise                   Quake 3 OSP Server CVars.htm         "q3osps" + W
     17 19 20                        Quake 3 Commands.htm                 "q3" + W
     any other value (151, 152,      Quake 3 CVars.htm                    W
     153, ...)

   The topic text is page + "#" + anchor.  The pages live in the Help folder
   beside the program as plain HTML files with exactly these names (blanks
   included); every anchor is an <a name="..."> whose name is the anchor
   text, character for character (the HTML text escapes &, <, > and ").

   Opening it in a QTextBrowser: load the page by its file URL WITHOUT a
   fragment and then call scrollToAnchor(anchor) with the anchor text as
   is.  Do not put the anchor into a QUrl fragment: QUrl keeps characters
   such as "%" and "`" percent-encoded in fragment(), so the words "%a" or
   "`" would not be found that way.  Anchor lookup is case-sensitive.

3. Which words the reference lists can put into a document.  A list shows
   and writes every entry in lower case, so the help word of an entry is
   taken from its lower-cased text:
     - an entry without a blank gives one word: the entry in lower case
       ("cg_drawFPS" -> cg_drawfps, "+attack" -> +attack, "F1" -> f1);
     - an entry with blanks can only be selected word by word; its help
       word is its first blank-separated token ("use BFG10K" -> use,
       "weapon 1" -> weapon, "say_team I have $bullets" -> say_team);
     - an entry whose first token is "cmd" (the command that forwards the
       rest of the line to the game server) gives two words: "cmd" and its
       second token ("cmd sentry build" -> cmd and sentry).

4. Which lists a document of each ModId can show (Ctrl+F1 actions,
   Ctrl+F2 keys, Ctrl+F3 cvars for the document's game; Ctrl+F4 and the
   mod commands for the mod's own list):
     ModId 0 (Action Quake, blank configs, opened files), 1, 2, 3, 4, 5, 8,
       9, 11: Quake2/q2binds, q2keys, q2cvars plus the mod's list
       (0 aq, 1 ctf and q2ctf, 2 ffa, 3 gx, 4 gxsv, 5 lith, 8 ra2, 9 ra2sv,
       11 wf);
     ModId 13, 14, 15, 17, 19, 20: Quake3/q3binds, q3keys, q3cvars plus
       (13 ffa, 14 osp, 15 osps, 17 ra3, 19 q3ut, 20 wfa);
     ModId 151: Quake3/q3binds, q3keys, q3cvars;
     ModId 152, 153 (OSP server data files): no list.
   For every such (ModId, list entry, help word) the page and anchor of
   rule 2 must exist.  That is what this script checks.

Besides the required anchors the pages carry some extra ones for words
typed by hand (the entry's own spelling such as cg_drawFPS or F1, and
"attack" / "-attack" next to "+attack"); they are not required and not
checked beyond being unique.
"""

import html.parser
import os
import sys
import urllib.parse
from collections import OrderedDict

# --- The rule ---------------------------------------------------------------

Q2_COMMANDS_MODS = (0, 1, 2, 3, 4, 5, 8, 9, 11)
Q3_PREFIXED_MODS = (17, 19, 20)
OSP_CVAR_PREFIXES = ("cf_", "cg_", "ch_", "col", "pmo")
OSP_SERVER_COMMANDS = ("addbot", "allready", "ban", "filterlist",
                       "filterload", "loadmaps", "pause", "players")

INTRODUCTION = "Introduction.htm"

# Pages of the mod help item (Help > "<mod> Help"), by ModId.
MOD_HELP_PAGES = OrderedDict([
    (2, "Quake 2.htm"),
    (13, "Quake 3.htm"),
    (14, "Quake 3 OSP.htm"),
    (15, "Quake 3 OSP.htm"),
    (151, "Quake 3 OSP Custom Configs.htm"),
    (152, "Quake 3 OSP Server Client Filters.htm"),
])

# Every page the topic table can name.
TOPIC_PAGES = (
    "Quake 2 Commands.htm",
    "Quake 3 Commands.htm",
    "Quake 3 OSP CVars.htm",
    "Quake 3 OSP Commands.htm",
    "Quake 3 OSP Server Commands.htm",
    "Quake 3 OSP Server CVars.htm",
    "Quake 3 CVars.htm",
)


def topic(mod_id, word):
    """(page, anchor) that "Help on <word>" opens in a document of mod_id.

    anchor is None for the introduction page."""
    if mod_id == -1:
        return INTRODUCTION, None
    if mod_id in Q2_COMMANDS_MODS:
        return "Quake 2 Commands.htm", word
    if mod_id == 13:
        return "Quake 3 Commands.htm", word
    if mod_id == 14:
        if word[:3] in OSP_CVAR_PREFIXES:
            return "Quake 3 OSP CVars.htm", "q3osp" + word
        return "Quake 3 OSP Commands.htm", "q3osp" + word
    if mod_id == 15:
        if word in OSP_SERVER_COMMANDS:
            return "Quake 3 OSP Server Commands.htm", "q3osps" + word
        return "Quake 3 OSP Server CVars.htm", "q3osps" + word
    if mod_id in Q3_PREFIXED_MODS:
        return "Quake 3 Commands.htm", "q3" + word
    return "Quake 3 CVars.htm", word


def help_words(entry):
    """The words of a list entry that a user can select (rule 3)."""
    tokens = entry.lower().split()
    if not tokens:
        return []
    words = [tokens[0]]
    if tokens[0] == "cmd" and len(tokens) > 1:
        words.append(tokens[1])
    return words


def alias_words(entry):
    """Extra, not required, spellings that get an anchor where free."""
    tokens = entry.split()
    if not tokens:
        return []
    originals = [tokens[0]]
    if tokens[0].lower() == "cmd" and len(tokens) > 1:
        originals.append(tokens[1])
    result = []
    for word in originals:
        for form in (word, word.lower()):
            result.append(form)
            if form.startswith("+") and len(form) > 1:
                result.append("-" + form[1:])
                result.append(form[1:])
    required = set(help_words(entry))
    seen = set()
    out = []
    for word in result:
        if word not in required and word not in seen:
            seen.add(word)
            out.append(word)
    return out


Q2_BASE = ("Quake2/q2binds.txt", "Quake2/q2keys.txt", "Quake2/q2cvars.txt")
Q3_BASE = ("Quake3/q3binds.txt", "Quake3/q3keys.txt", "Quake3/q3cvars.txt")

# ModId -> the list files a document of that mod can show (rule 4).
CONTEXTS = OrderedDict([
    (0, Q2_BASE + ("Quake2/aq.txt",)),
    (1, Q2_BASE + ("Quake2/ctf.txt", "Quake2/q2ctf.txt")),
    (2, Q2_BASE + ("Quake2/ffa.txt",)),
    (3, Q2_BASE + ("Quake2/gx.txt",)),
    (4, Q2_BASE + ("Quake2/gxsv.txt",)),
    (5, Q2_BASE + ("Quake2/lith.txt",)),
    (8, Q2_BASE + ("Quake2/ra2.txt",)),
    (9, Q2_BASE + ("Quake2/ra2sv.txt",)),
    (11, Q2_BASE + ("Quake2/wf.txt",)),
    (13, Q3_BASE + ("Quake3/ffa.txt",)),
    (14, Q3_BASE + ("Quake3/osp.txt",)),
    (15, Q3_BASE + ("Quake3/osps.txt",)),
    (17, Q3_BASE + ("Quake3/ra3.txt",)),
    (19, Q3_BASE + ("Quake3/q3ut.txt",)),
    (20, Q3_BASE + ("Quake3/wfa.txt",)),
    (151, Q3_BASE),
    (152, ()),
    (153, ()),
])


def read_list(configs_dir, name):
    """Entries of a list file, in file order, as spelt in the file."""
    path = os.path.join(configs_dir, *name.split("/"))
    with open(path, "rb") as handle:
        text = handle.read().decode("latin-1")
    return [line.strip() for line in text.splitlines() if line.strip()]


def required_anchors(configs_dir):
    """{page: {anchor: [(mod_id, list file, entry, word), ...]}}"""
    result = OrderedDict()
    cache = {}
    for mod_id, lists in CONTEXTS.items():
        for name in lists:
            if name not in cache:
                cache[name] = read_list(configs_dir, name)
            for entry in cache[name]:
                for word in help_words(entry):
                    page, anchor = topic(mod_id, word)
                    if anchor is None:
                        continue
                    result.setdefault(page, OrderedDict()).setdefault(anchor, []).append(
                        (mod_id, name, entry, word))
    return result


# --- Reading the pages --------------------------------------------------------

class _PageScanner(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.names = []
        self.hrefs = []

    def handle_starttag(self, tag, attrs):
        if tag != "a":
            return
        for key, value in attrs:
            if key == "name" and value is not None:
                self.names.append(value)
            elif key == "href" and value is not None:
                self.hrefs.append(value)


def scan_page(path):
    with open(path, "rb") as handle:
        raw = handle.read()
    problems = []
    if any(byte > 0x7E and byte < 0xA0 for byte in raw):
        problems.append("bytes 0x7F-0x9F (not Latin-1 text)")
    scanner = _PageScanner()
    scanner.feed(raw.decode("latin-1"))
    scanner.close()
    return scanner.names, scanner.hrefs, problems


def _unquote(text):
    return urllib.parse.unquote(text, encoding="latin-1")


def main(argv):
    args = [a for a in argv[1:] if not a.startswith("-")]
    verbose = "-v" in argv[1:]
    if len(args) != 1:
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    data_dir = args[0]
    configs_dir = os.path.join(data_dir, "Configs")
    help_dir = os.path.join(data_dir, "Help")
    if not os.path.isdir(configs_dir) or not os.path.isdir(help_dir):
        sys.stderr.write("%s: no Configs/ or Help/ folder in %s\n" % (argv[0], data_dir))
        return 2

    failures = 0
    required = required_anchors(configs_dir)
    pages = [INTRODUCTION] + list(OrderedDict.fromkeys(MOD_HELP_PAGES.values())) + list(TOPIC_PAGES)

    scanned = {}
    for page in sorted(set(pages) | set(
            f for f in os.listdir(help_dir) if f.lower().endswith(".htm"))):
        path = os.path.join(help_dir, page)
        if not os.path.isfile(path):
            continue
        names, hrefs, problems = scan_page(path)
        scanned[page] = (names, hrefs)
        for problem in problems:
            print("BAD PAGE  %s: %s" % (page, problem))
            failures += 1
        seen = set()
        for name in names:
            if name in seen:
                print("DUPLICATE %s#%s" % (page, name))
                failures += 1
            seen.add(name)

    for page in pages:
        if page not in scanned:
            print("MISSING PAGE %s" % page)
            failures += 1

    total = 0
    for page in TOPIC_PAGES:
        wanted = required.get(page, {})
        total += len(wanted)
        if page not in scanned:
            continue
        have = set(scanned[page][0])
        missing = [a for a in wanted if a not in have]
        for anchor in missing:
            mod_id, name, entry, word = wanted[anchor][0]
            print("MISSING ANCHOR %s#%s  (ModId %d, %s entry %r, word %r)"
                  % (page, anchor, mod_id, name, entry, word))
        failures += len(missing)
        print("%-34s %5d required anchors, %5d anchors on the page, %d missing"
              % (page, len(wanted), len(have), len(missing)))
        if verbose:
            for anchor in wanted:
                print("    %s" % anchor)

    # Links between the pages must resolve as well.
    for page, (names, hrefs) in sorted(scanned.items()):
        for href in hrefs:
            if "://" in href or href.startswith("mailto:"):
                continue
            target, _, fragment = href.partition("#")
            target = _unquote(target) or page
            if target not in scanned:
                print("BROKEN LINK %s -> %s (no such page)" % (page, href))
                failures += 1
                continue
            if fragment and _unquote(fragment) not in scanned[target][0]:
                print("BROKEN LINK %s -> %s (no such anchor)" % (page, href))
                failures += 1

    print("%d pages checked, %d required anchors, %d problems"
          % (len(scanned), total, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
