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

2. The topic, from the document's mod number (ModId) and the word W, is
   decided by the rules in Help/topics.tsv (data/Help/topics.tsv in the
   source tree): the first "helpon" row whose mods take ModId and whose test
   takes W names the page and the anchor.  The same file holds the page of
   the mod's own Help item ("modhelp" rows).  The program reads that file
   too (compiled into it), so the two cannot disagree.

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
from collections import OrderedDict, namedtuple

# --- The rule ---------------------------------------------------------------

INTRODUCTION = "Introduction.htm"
TOPICS_HEADER = ("item", "mods", "test", "words", "page", "anchor")
WORD_TESTS = ("any", "oneof", "first3oneof")
WORD = "{word}"

TopicRule = namedtuple("TopicRule", "mods test words page prefix")

# Filled by load(): the "helpon" rules in file order, ModId -> page of the
# mod help item, and every page the helpon rules can name.
RULES = []
MOD_HELP_PAGES = OrderedDict()
TOPIC_PAGES = ()


def read_topics(path, label="Help/topics.tsv"):
    """([helpon TopicRule], [modhelp TopicRule], [problem]) of a topics file."""
    helpon, modhelp, problems = [], [], []
    with open(path, "rb") as handle:
        lines = handle.read().decode("utf-8").split("\n")
    header_seen = False
    for number, line in enumerate(lines, 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if not header_seen:
            header_seen = True
            if tuple(fields) != TOPICS_HEADER:
                problems.append("%s:%d: expected the header %s" % (label, number, "<TAB>".join(TOPICS_HEADER)))
            continue
        reason = None
        if len(fields) != len(TOPICS_HEADER):
            reason = "expected %d TAB-separated fields" % len(TOPICS_HEADER)
        else:
            item, mods, test, words, page, anchor = fields
            try:
                mod_ids = None if mods == "*" else tuple(int(m) for m in mods.split())
            except ValueError:
                mod_ids = ()
            if item not in ("helpon", "modhelp"):
                reason = "item %r is neither helpon nor modhelp" % item
            elif mod_ids == ():
                reason = "mods must be mod numbers or *"
            elif test not in WORD_TESTS or (test == "any") != (not words.split()):
                reason = "test must be any (without words), oneof or first3oneof (with words)"
            elif not page.endswith(".htm"):
                reason = "page %r is not an .htm page" % page
            elif anchor and (not anchor.endswith(WORD) or WORD in anchor[:-len(WORD)]):
                reason = "anchor must be empty or end with {word}"
            elif item == "modhelp" and (test != "any" or anchor):
                reason = "a modhelp row has test any and no anchor"
        if reason:
            problems.append("%s:%d: %s" % (label, number, reason))
            continue
        rule = TopicRule(mod_ids, test, tuple(words.split()), page,
                         anchor[:-len(WORD)] if anchor else None)
        (helpon if item == "helpon" else modhelp).append(rule)
    if not header_seen:
        problems.append("%s:1: no header line" % label)
    return helpon, modhelp, problems


def load(data_dir):
    """Reads DATA_DIR/Help/topics.tsv into the rule; returns its problems."""
    global RULES, MOD_HELP_PAGES, TOPIC_PAGES
    RULES, modhelp, problems = read_topics(os.path.join(data_dir, "Help", "topics.tsv"))
    MOD_HELP_PAGES = OrderedDict((m, r.page) for r in modhelp for m in r.mods or ())
    TOPIC_PAGES = tuple(OrderedDict.fromkeys(r.page for r in RULES if r.prefix is not None))
    return problems


def _takes(rule, mod_id, word):
    if rule.mods is not None and mod_id not in rule.mods:
        return False
    if rule.test == "oneof":
        return word in rule.words
    if rule.test == "first3oneof":
        return word[:3] in rule.words
    return True


def topic(mod_id, word):
    """(page, anchor) that "Help on <word>" opens in a document of mod_id.

    anchor is None for a page without an anchor."""
    for rule in RULES:
        if _takes(rule, mod_id, word):
            return rule.page, None if rule.prefix is None else rule.prefix + word
    return INTRODUCTION, None


def rule_words(page):
    """The words of the helpon row(s) of a page that test for listed words."""
    return [w for r in RULES if r.page == page and r.test == "oneof" for w in r.words]


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

    problems = load(data_dir)
    for problem in problems:
        print(problem)
    failures = len(problems)
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
